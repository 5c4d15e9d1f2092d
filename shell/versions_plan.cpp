#include "shell/versions_plan.h"

#include "richtext/rtf_writer.h"
#include "shell/batch_file.h"
#include "shell/export.h"
#include "util/number_format.h"

namespace {

// Draws that repeat an earlier version's exercise are made again, this many times at most:
// an exercise with few possible numbers (or none) keeps what it gets.
constexpr int kAttempts = 8;

// What follows the title of a version, as RTF: the dash is the escape of Windows-1252 0x97,
// which readers that take the document's bytes as Latin-1 (pandoc) read right only so.
std::string VersionTitleRtf(std::size_t version) { return std::string(" \\'97 versión ") + VersionLetter(version); }

bool RepeatsEarlier(const VersionsPlan& plan, std::size_t exercise, const std::string& statement) {
    for (const std::vector<ExerciseRecord>& earlier : plan.versions) {
        if (earlier[exercise].statement == statement) return true;
    }
    return false;
}

}  // namespace

const char* const kVersionsKeySuffix = "-soluciones.rtf";

char VersionLetter(std::size_t version) { return static_cast<char>('A' + version); }

std::string NumberList(const std::vector<int>& numbers) {
    std::string list;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) ++last;
        if (!list.empty()) list += ", ";
        list += IntToText(numbers[i]);
        if (last > i) list += (last == i + 1 ? ", " : "-") + IntToText(numbers[last]);
        i = last + 1;
    }
    return list;
}

std::string SameExercisesQuestion(const VersionsPlan& plan) {
    std::string text;
    if (!plan.unchanged.empty()) {
        std::string list = NumberList(plan.unchanged);
        if (const std::size_t last = list.rfind(", "); last != std::string::npos) list.replace(last, 2, " y ");
        text = plan.unchanged.size() == 1 ? "El ejercicio " + list + " será igual en todas las versiones."
                                          : "Los ejercicios " + list + " serán iguales en todas las versiones.";
    }
    if (!plan.copied.empty()) {
        if (!text.empty()) text += "\r";
        text += std::string(plan.copied.size() == 1 ? "Este ejercicio está editado a mano o no tiene receta; se "
                                                      "copia igual en todas las versiones: "
                                                    : "Estos ejercicios están editados a mano o no tienen receta; "
                                                      "se copian iguales en todas las versiones: ") +
                NumberList(plan.copied) + ".";
    }
    return text;
}

std::vector<std::string> VersionFileNames(const std::string& name, int count) {
    std::vector<std::string> names;
    for (int v = 0; v < count; ++v) names.push_back(name + "-" + VersionLetter(static_cast<std::size_t>(v)) + ".rtf");
    names.push_back(name + kVersionsKeySuffix);
    names.push_back(name + kBatchFileExtension);
    return names;
}

bool PlanVersions(const std::vector<ExerciseRecord>& batch, int count, uint32_t seed, RemakeFunction remake,
                  VersionsPlan& plan, std::string& why) {
    plan = VersionsPlan{};
    plan.versions.push_back(batch);
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (batch[i].recipe.topic == 0 || batch[i].editedByHand) plan.copied.push_back(static_cast<int>(i + 1));
    }
    for (int v = 1; v < count; ++v) {
        std::vector<ExerciseRecord> version;
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const ExerciseRecord& original = batch[i];
            if (original.recipe.topic == 0 || original.editedByHand) {
                version.push_back(original);
                continue;
            }
            ExerciseRecord made;
            for (int attempt = 0; attempt < kAttempts; ++attempt) {
                ExerciseRecord again;
                std::string reason;
                if (!remake(original, seed, VersionLetter(v), static_cast<int>(i + 1), attempt, again, reason)) {
                    // Past Z (variants of the quiz) the letter would be a sign: the number says it.
                    const std::string which = v < 26 ? std::string("la versión ") + VersionLetter(v)
                                                      : "la variante " + IntToText(static_cast<int32_t>(v + 1));
                    why = "el ejercicio " + IntToText(static_cast<int32_t>(i + 1)) + " no se puede hacer de nuevo para " +
                          which + " (" + reason + ")";
                    return false;
                }
                if (attempt == 0) made = again;
                if (!RepeatsEarlier(plan, i, again.statement)) {
                    made = again;
                    break;
                }
            }
            version.push_back(std::move(made));
        }
        plan.versions.push_back(std::move(version));
    }
    for (std::size_t i = 0; i < batch.size() && count > 1; ++i) {
        if (batch[i].recipe.topic == 0 || batch[i].editedByHand) continue;
        bool same = true;
        for (std::size_t v = 1; v < plan.versions.size() && same; ++v) {
            same = plan.versions[v][i].statement == batch[i].statement && plan.versions[v][i].answer == batch[i].answer;
        }
        if (same) plan.unchanged.push_back(static_cast<int>(i + 1));
    }
    return true;
}

std::vector<NamedDocument> VersionDocuments(const VersionsPlan& plan, const std::string& name,
                                            const std::string& title) {
    std::vector<NamedDocument> documents;
    for (std::size_t v = 0; v < plan.versions.size(); ++v) {
        BeginRtfInMemory();
        WriteStatementSheet(title, VersionTitleRtf(v), plan.versions[v]);
        documents.push_back({name + "-" + VersionLetter(v) + ".rtf", EndRtfInMemory()});
    }
    BeginRtfInMemory();
    for (std::size_t v = 0; v < plan.versions.size(); ++v) {
        if (v > 0) WriteRtf("\\page ");
        WriteTitleGroup(title, VersionTitleRtf(v));
        WriteAnswerList(plan.versions[v]);
    }
    documents.push_back({name + kVersionsKeySuffix, EndRtfInMemory()});
    return documents;
}
