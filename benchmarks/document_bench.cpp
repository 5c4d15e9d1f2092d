// How much the document costs beyond its bytes: converting the exercise markup to RTF,
// and writing a whole 50-exercise document, each against merely writing the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "richtext/rtf_writer.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/interaction.h"
#include "util/atomic_file.h"

namespace {

namespace fs = std::filesystem;

// Texts as the topics write them and as teachers retouch them.
const std::vector<std::string>& Statements() {
    static const std::vector<std::string> texts = {
        "Pasar   36 g de H_2SO_4 a moles.\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ",
        "\xBF" "Cu\xE1ntos protones, neutrones y electrones tiene el ^(35)_(17)Cl^- ?",
        "Se disuelven 4.9 g de H_2SO_4 en agua hasta 500 cm^3. \xBF" "Cu\xE1l es la molaridad?",
        "Calcula el pH de una disoluci\xF3n 10^(-3) M de HCl. #F(1/2) #R(2) #& \\'e1",
        "#B(Dato:) K_a = 1.8\xB7" "10^(-5) #1 #T masa #I(molar) #S(subrayada) | l\xEDmite",
    };
    return texts;
}

void BM_MarkupToRtf(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& text : Statements()) {
            std::string rtf = MarkupToRtf(text);
            bytes += rtf.size();
            benchmark::DoNotOptimize(rtf);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_MarkupToRtf);

// The same output bytes, only copied into a fresh string.
void BM_MarkupToRtfBaseline(benchmark::State& state) {
    std::vector<std::string> outputs;
    for (const auto& text : Statements()) outputs.push_back(MarkupToRtf(text));
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& rtf : outputs) {
            std::string copy(rtf.data(), rtf.size());
            bytes += copy.size();
            benchmark::DoNotOptimize(copy);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_MarkupToRtfBaseline);

// Answers the save window as a teacher would, and opens nothing.
class QuietUi final : public UserInteraction {
public:
    uint8_t ChooseSubKind(const std::string&) override { return 0; }
    bool InputText(const std::string&, std::string&) override { return false; }
    bool ChooseReaction(const std::vector<std::string>&, std::string&) override { return false; }
    uint8_t Message(const std::string& caption, const std::string& text, uint16_t) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return kAnswerOk;
    }
    bool EditExercise(ExerciseRecord&) override { return true; }
    bool SaveSeries(std::string& name, std::string& title, int32_t& presentation, bool&) override {
        name = "serie";
        title = "Moles y concentraciones";
        presentation = 1;
        return true;
    }
    uint16_t ShellOpen(const std::string&) override { return 0; }
    void OpenElementList() override {}
    void OpenElementEditor() override {}
};

// A scratch folder as the current folder, with a full batch of 50 exercises.
class FullBatch {
public:
    FullBatch() {
        previous_ = fs::current_path();
        dir_ = fs::temp_directory_path() / "zorvi-bench";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        SetUserInteraction(&ui_);
        BatchStart();
        for (int i = 0; i < kBatchCapacity; ++i) {
            ExerciseRecord r;
            r.statement = Statements()[i % Statements().size()];
            r.answer = "  0.367077 mol.  [H^+] = 10^(-3) M";
            r.hint = "recuerda la masa molar";
            r.hintPlacement = static_cast<HintPlacement>(i % 3);
            r.accepted = true;
            BatchAdd(r);
        }
    }
    ~FullBatch() {
        BatchEnd();
        SetUserInteraction(nullptr);
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    fs::path Document() const { return dir_ / "Exerc" / "serie.rtf"; }

private:
    QuietUi ui_;
    fs::path previous_;
    fs::path dir_;
};

void BM_ExportFullBatch(benchmark::State& state) {
    FullBatch batch;
    for (auto _ : state) {
        if (!ExportBatch()) state.SkipWithError("the export failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(batch.Document())));
}
BENCHMARK(BM_ExportFullBatch)->Unit(benchmark::kMicrosecond);

// The same document's bytes written the same safe way, with nothing to compute.
void BM_ExportFullBatchBaseline(benchmark::State& state) {
    FullBatch batch;
    if (!ExportBatch()) state.SkipWithError("the export failed");
    std::ifstream in(batch.Document(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    const std::string path = batch.Document().string();
    for (auto _ : state) {
        std::string error;
        if (!WriteWholeFile(path, bytes, error)) state.SkipWithError(error.c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ExportFullBatchBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
