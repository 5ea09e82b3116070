#pragma once

class Skin;

// The program keeps nothing between runs and writes nothing the operator did not ask for,
// yet Qt's own dialogs keep their history in the user's settings: every QSettings of the
// process is sent where it can be neither read nor written. Called before any is made.
void KeepNoUserSettings();

// The application object: applies the skin, runs the console modally, and removes the
// skin once the console has gone. It runs no event loop of its own; the console's modal
// run pumps every event.
class CCardDemoApp {
  public:
    explicit CCardDemoApp(Skin& skin) : skin_(skin) {}

    // The whole life of the user interface, then ExitInstance; the result is the
    // process's exit code.
    int Run();

    // Skin, console, modal run; the console is gone when this returns. Command-line
    // arguments play no part: the program has no options.
    void InitInstance();

    // Removes the skin; returns the exit code.
    int ExitInstance();

  private:
    Skin& skin_;
};
