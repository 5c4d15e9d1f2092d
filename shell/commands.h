#pragma once
// The main window's menu commands, by name; their numbers come from the resources.

#include <cstdint>

#include "resources/resource_ids.h"

enum : uint16_t {
    kCmdExit = IDM_EXIT,
    kCmdSave = IDM_SAVE,
    kCmdEditPrint = IDM_EDIT_PRINT,
    kCmdReset = IDM_RESET,
    kCmdOpenBatch = IDM_OPEN_BATCH,
    kCmdSaveBatch = IDM_SAVE_BATCH,
    kCmdVersions = IDM_VERSIONS,
    kCmdMoodle = IDM_MOODLE,
    kCmdAskConfirmation = IDM_ASK_CONFIRMATION,
    kCmdHints = IDM_HINTS,
    kCmdDecimalComma = IDM_DECIMAL_COMMA,
    kCmdSignificantFigures = IDM_SIGNIFICANT_FIGURES,
    kCmdAtomicMasses = IDM_ATOMIC_MASSES,
    kCmdElements = IDM_ELEMENTS,
    kCmdInfo = IDM_INFO,
    kCmdAbout = IDM_ABOUT,
    kCmdFirstTopic = IDM_FIRST_TOPIC,  // topic n is kCmdFirstTopic + n
    kCmdLastTopic = IDM_LAST_TOPIC,
};
