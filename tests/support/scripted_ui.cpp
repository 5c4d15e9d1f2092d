#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

void PrintTo(const ShownBox& box, std::ostream* out) {
    static constexpr struct {
        uint16_t mask;
        uint16_t value;
        const char* name;
    } kNames[] = {
        {0x000F, kBoxOk, "kBoxOk"},
        {0x000F, kBoxOkCancel, "kBoxOkCancel"},
        {0x000F, kBoxYesNoCancel, "kBoxYesNoCancel"},
        {0x000F, kBoxYesNo, "kBoxYesNo"},
        {0x00F0, kBoxIconExclamation, "kBoxIconExclamation"},
        {0x0F00, kBoxDefaultButton2, "kBoxDefaultButton2"},
    };
    std::string flags;
    uint16_t named = 0;
    for (const auto& n : kNames) {
        if ((box.flags & n.mask) != n.value) continue;
        flags += (flags.empty() ? "" : " | ") + std::string(n.name);
        named |= n.value;
    }
    if (box.flags != named) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%04X", unsigned(box.flags & ~named));
        flags += (flags.empty() ? "" : " | ") + std::string(rest);
    }
    *out << "{" << ::testing::PrintToString(box.caption) << ", " << ::testing::PrintToString(box.text) << ", " << flags
         << "}";
}

ScriptedUi::ScriptedUi() { SetUserInteraction(this); }

ScriptedUi::~ScriptedUi() {
    SetUserInteraction(nullptr);
    EXPECT_TRUE(subKinds.empty()) << subKinds.size() << " generation-window answers not used";
    EXPECT_TRUE(texts.empty()) << texts.size() << " text answers not used";
    EXPECT_TRUE(reactions.empty()) << reactions.size() << " reaction-window answers not used";
    EXPECT_TRUE(boxAnswers.empty()) << boxAnswers.size() << " message-box answers not used";
    EXPECT_TRUE(edits.empty()) << edits.size() << " editor answers not used";
    EXPECT_TRUE(saves.empty()) << saves.size() << " save-window answers not used";
    EXPECT_TRUE(versions.empty()) << versions.size() << " versions-window answers not used";
    EXPECT_TRUE(moodle.empty()) << moodle.size() << " Moodle-window answers not used";
    EXPECT_TRUE(batchFiles.empty()) << batchFiles.size() << " file-dialog answers not used";
}

std::function<bool(ExerciseRecord&)> ScriptedUi::Accept() {
    return [](ExerciseRecord&) { return true; };
}

std::function<bool(ExerciseRecord&)> ScriptedUi::Cancel() {
    return [](ExerciseRecord&) { return false; };
}

uint8_t ScriptedUi::ChooseSubKind(const std::string& list) {
    subKindLists.push_back(list);
    if (subKinds.empty()) {
        ADD_FAILURE() << "generation window opened with no answer scripted";
        return 0;
    }
    const uint8_t answer = subKinds.front();
    subKinds.pop_front();
    return answer;
}

bool ScriptedUi::InputText(const std::string& prompt, std::string& text) {
    prompts.push_back(prompt);
    if (texts.empty()) {
        ADD_FAILURE() << "text input \"" << prompt << "\" opened with no answer scripted";
        return false;
    }
    const std::optional<std::string> answer = texts.front();
    texts.pop_front();
    if (!answer) return false;
    text = *answer;
    return true;
}

bool ScriptedUi::ChooseReaction(const std::vector<std::string>& list, std::string& text) {
    reactionLists.push_back(list);
    proposedReactions.push_back(text);
    if (reactions.empty()) {
        ADD_FAILURE() << "reaction window opened with no answer scripted";
        return false;
    }
    const std::optional<std::string> answer = reactions.front();
    reactions.pop_front();
    if (!answer) return false;
    text = *answer;
    return true;
}

uint8_t ScriptedUi::Message(const std::string& caption, const std::string& text, uint16_t flags) {
    boxes.push_back({caption, text, flags});
    if ((flags & 0x0F) == kBoxOk) return kAnswerOk;
    if (boxAnswers.empty()) {
        ADD_FAILURE() << "question \"" << caption << "\" / \"" << text << "\" with no answer scripted";
        return kAnswerCancel;
    }
    const uint8_t answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

bool ScriptedUi::EditExercise(ExerciseRecord& record) {
    editedRecords.push_back(record);
    if (edits.empty()) {
        ADD_FAILURE() << "exercise editor opened with no answer scripted";
        return false;
    }
    auto answer = edits.front();
    edits.pop_front();
    return answer(record);
}

bool ScriptedUi::SaveSeries(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                            bool& answersOnNewPage) {
    proposedSaves.push_back({exportName, documentTitle, presentation, answersOnNewPage});
    if (saves.empty()) {
        ADD_FAILURE() << "save window opened with no answer scripted";
        return false;
    }
    const std::optional<SaveAnswer> answer = saves.front();
    saves.pop_front();
    if (!answer) return false;
    exportName = answer->exportName;
    documentTitle = answer->documentTitle;
    presentation = answer->presentation;
    answersOnNewPage = answer->answersOnNewPage;
    return true;
}

bool ScriptedUi::ChooseVersions(int& count, uint32_t& seed) {
    proposedVersions.push_back({count, seed});
    if (versions.empty()) {
        ADD_FAILURE() << "versions window opened with no answer scripted";
        return false;
    }
    const std::optional<VersionsAnswer> answer = versions.front();
    versions.pop_front();
    if (!answer) return false;
    count = answer->count;
    seed = answer->seed;
    return true;
}

bool ScriptedUi::ChooseMoodleQuiz(int& variants, double& tolerancePercent) {
    proposedMoodle.push_back({variants, tolerancePercent});
    if (moodle.empty()) {
        ADD_FAILURE() << "Moodle window opened with no answer scripted";
        return false;
    }
    const std::optional<MoodleAnswer> answer = moodle.front();
    moodle.pop_front();
    if (!answer) return false;
    variants = answer->variants;
    tolerancePercent = answer->tolerancePercent;
    return true;
}

bool ScriptedUi::ChooseBatchFile(bool saving, const std::string& folder, std::string& path) {
    fileDialogs.push_back({saving, folder, path});
    if (batchFiles.empty()) {
        ADD_FAILURE() << (saving ? "save" : "open") << " dialog opened with no answer scripted";
        return false;
    }
    const std::optional<std::string> answer = batchFiles.front();
    batchFiles.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
}

uint16_t ScriptedUi::ShellOpen(const std::string& command) {
    shellOpened.push_back(command);
    return shellResult;
}

void ScriptedUi::OpenElementList() { ++elementListOpened; }

void ScriptedUi::OpenElementEditor() {
    ++elementEditorOpened;
    if (onElementEditor) onElementEditor();
}
