#pragma once

class Skin;

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
