// A batch file (".zlote") with any contents: the reader either refuses it with a line and a
// reason, or gives a batch within every limit, which a save and a second read give back
// byte for byte (unless the saved bytes read as UTF-8).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/batch_file.h"
#include "silent_ui.h"
#include "util/text_encoding.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool SameRecord(const ExerciseRecord& a, const ExerciseRecord& b) {
    return a.statement == b.statement && a.answer == b.answer && a.hint == b.hint &&
           a.hintPlacement == b.hintPlacement && a.recipe == b.recipe && a.editedByHand == b.editedByHand &&
           a.accepted == b.accepted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentUi ui;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BatchFile file;
    file.exportName = "untouched";
    BatchFileError error;
    if (!DecodeBatchFile(bytes, file, error)) {
        // A refusal names a line within the file (or just past its end) and says why.
        Check(file.exportName == "untouched");
        Check(error.line >= 1 && !error.reason.empty());
        std::size_t lines = 1;
        for (char c : bytes) lines += c == '\n';
        Check(static_cast<std::size_t>(error.line) <= lines + 1);
        Check(BatchFileRefusal("C:\\Exerc\\x.zlote", error).rfind("x.zlote, ", 0) == 0);
        return 0;
    }
    Check(file.exportName.size() <= kBatchFileTitleMax && file.documentTitle.size() <= kBatchFileTitleMax);
    Check(file.presentation == 0 || file.presentation == 1);
    Check(file.exercises.size() <= kBatchCapacity);
    for (const ExerciseRecord& record : file.exercises) {
        Check(record.statement.size() <= kMarkupMax && record.answer.size() <= kMarkupMax);
        Check(record.hint.size() <= kHintMax && record.recipe.formula.size() <= kRecipeTextMax);
        Check(record.recipe.topic <= kRecipeTopicMax);
        Check((record.recipe.topic == 0) == (record.recipe.subKind == 0));
        Check(record.recipe.topic != 0 || record.recipe == Recipe{});
        Check(record.accepted);
    }
    const std::string saved = EncodeBatchFile(file);
    // Bytes that happen to be UTF-8 (a statement "\xC3\xA9" typed as two letters) read as a
    // file that Notepad saved: a save is read back as written only otherwise.
    if (FindTextEncoding(saved).utf8) return 0;
    BatchFile again;
    Check(DecodeBatchFile(saved, again, error));
    Check(again.exportName == file.exportName && again.documentTitle == file.documentTitle);
    Check(again.presentation == file.presentation && again.seed == file.seed);
    Check(again.exercises.size() == file.exercises.size());
    for (std::size_t i = 0; i < file.exercises.size(); ++i) Check(SameRecord(again.exercises[i], file.exercises[i]));
    Check(EncodeBatchFile(again) == saved);
    return 0;
}
