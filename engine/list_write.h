#pragma once

#include <vector>

#include "card_list.h"
#include "card_worker.h"
#include "device_family.h"

// Hands a checked list to the job: its cards' texts and their places in the list.
// `listSize` counts the whole list, the cards a journal has left out too; 0 when `cards`
// is the whole list.
void SetCardList(CardJob& job, const std::vector<ListCard>& cards, int listSize = 0);

// The cards of the job's card list, written in order with the job's selection and
// settings; a card the device does not confirm is written again.
JobEnding RunListWrite(CardJob& job, DeviceFamily& device);
