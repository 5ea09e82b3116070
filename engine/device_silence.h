#pragma once

#include <cstdint>

#include "card_job.h"
#include "serial_link.h"

// A device that sends nothing looks, to the operator, like a program that hangs. Every read
// of a job goes through here: once the device has been silent for the job's
// SilenceMillis the console is told which port that is and where its name led, and told
// again as soon as a byte comes. The job itself goes on waiting as before.

// Starts the watch as the job's link opens.
void StartSilenceWatch(CardJob& job);

// Reads as link.Read does, watching the device.
int32_t ReadDevice(CardJob& job, SerialLink& link, unsigned char* buffer, int32_t count);
