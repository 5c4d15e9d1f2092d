#include "shell/batch_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

#include "shell/export.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"
#include "util/text_encoding.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kOpenCaption = "No se puede abrir el lote";
constexpr const char* kSaveCaption = "No se ha podido guardar el lote";
// Far beyond 50 exercises with every byte escaped; anything bigger is not a batch file.
constexpr std::size_t kFileSizeMax = 4 * 1024 * 1024;

// The keys, in the order in which the file holds them.
constexpr const char* kName = "nombre";
constexpr const char* kTitle = "título";
constexpr const char* kPresentation = "presentación";
constexpr const char* kSeed = "semilla";
constexpr const char* kCount = "ejercicios";
constexpr const char* kExercise = "ejercicio";
constexpr const char* kStatement = "enunciado";
constexpr const char* kAnswer = "respuesta";
constexpr const char* kHint = "comentario";
constexpr const char* kPlacement = "lugar del comentario";
constexpr const char* kTopic = "tema";
constexpr const char* kSubKind = "tipo";
constexpr const char* kFormula = "fórmula";
constexpr const char* kPlausibility = "continuar igualmente";
constexpr const char* kNumbers = "números";
constexpr const char* kChoices = "elecciones";
constexpr const char* kResult = "resultado";
constexpr const char* kLabel = "etiqueta";
constexpr const char* kValue = "valor";
constexpr const char* kUnit = "unidad";
constexpr const char* kOption = "opción";
constexpr const char* kEdited = "editado a mano";
constexpr const char* kEnd = "fin";

// The captions of the exercise editor's radio buttons, by placement.
constexpr const char* kPlacementWords[] = {"no poner", "en enunciado", "en respuesta"};
constexpr const char* kYes = "sí";
constexpr const char* kNo = "no";
constexpr const char* kNotAsked = "sin pregunta";
// The number options as the "Opciones" menu names them.
constexpr const char* kDecimalComma = "coma decimal";
constexpr const char* kSignificantFigures = "cifras significativas";
constexpr const char* kNoOptions = "ninguna";
// The kinds of result, and how a number's figures are counted.
constexpr const char* kNumberResult = "número";
constexpr const char* kFormulaResult = "fórmula";
constexpr const char* kChoiceResult = "elección";
constexpr const char* kDecimals = "decimales";
constexpr const char* kFigures = "cifras";
constexpr const char* kExact = "exacto";
constexpr const char* kLogarithm = ", logaritmo";  // after the figures of a pH
constexpr const char* kResultKinds =
    "«resultado» debe ser «fórmula», «elección», «número, exacto», «número, N decimales» o «número, N cifras» "
    "(un pH lleva detrás «, logaritmo»)";

char HexDigit(int value) { return "0123456789ABCDEF"[value & 15]; }

std::string Escape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || (c == ' ' && i + 1 == text.size())) {
            // A final blank is escaped too: editors drop the blanks that end a line.
            out += "\\x";
            out += HexDigit(c >> 4);
            out += HexDigit(c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A line's text for a message: at most 24 characters, control bytes shown as "?".
std::string Shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 24)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > 24) out += "...";
    return out;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool Read(BatchFile& file) {
        if (!FirstLine()) return false;
        if (!Text(kName, kBatchFileTitleMax, "el nombre", file.exportName) ||
            !Text(kTitle, kBatchFileTitleMax, "el título", file.documentTitle)) {
            return false;
        }
        uint32_t number = 0;
        if (!Number(kPresentation, 1, "la presentación debe ser 0 o 1", number)) return false;
        file.presentation = static_cast<int32_t>(number);
        if (!Number(kSeed, UINT32_MAX, "la semilla debe ser un número de 0 a 4294967295", file.seed)) return false;
        uint32_t exercises = 0;
        if (!Number(kCount, UINT32_MAX, "el número de ejercicios no es un número", exercises)) return false;
        if (exercises > kBatchCapacity) {
            return Fail("el lote tiene " + std::to_string(exercises) + " ejercicios; un lote tiene " +
                        IntToText(kBatchCapacity) + " como máximo");
        }
        file.exercises.clear();
        for (uint32_t i = 1; i <= exercises; ++i) {
            ExerciseRecord record;
            if (!Exercise(i, exercises, record)) return false;
            file.exercises.push_back(std::move(record));
        }
        std::string_view line;
        if (!NextLine(line, kEnd)) return false;
        if (line != kEnd) return Fail(Expected(kEnd, line));
        if (NextLine(line, nullptr)) return Fail("después de «fin» no puede haber nada más");
        error_.line = 0;
        return true;
    }

    const BatchFileError& Error() const { return error_; }

private:
    bool FirstLine() {
        std::string_view line;
        if (!NextLine(line, nullptr)) {
            error_.line = 1;
            return Fail("el fichero está vacío: no es un lote de Zorvi");
        }
        if (line == kBatchFileFirstLine || line == kBatchFileFirstLineBefore) return true;
        if (line.substr(0, 11) == "ZORVI-LOTE ") {
            return Fail("el lote es de otra versión del formato («" + Shown(line) + "»); este programa lee «" +
                        kBatchFileFirstLine + "»");
        }
        return Fail(std::string("no es un lote de Zorvi: la primera línea debe ser «") + kBatchFileFirstLine + "»");
    }

    bool Exercise(uint32_t number, uint32_t announced, ExerciseRecord& record) {
        std::string_view line;
        if (!NextLine(line, kExercise)) return false;
        if (line == kEnd) {
            return Fail("el lote anuncia " + std::to_string(announced) + " ejercicios y solo tiene " +
                        std::to_string(number - 1));
        }
        const std::string heading = std::string(kExercise) + ": " + std::to_string(number);
        if (line != heading) return Fail(Expected(heading.c_str(), line));
        uint32_t value = 0;
        std::string word;
        if (!Text(kStatement, kMarkupMax, "el enunciado", record.statement) ||
            !Text(kAnswer, kMarkupMax, "la respuesta", record.answer) ||
            !Text(kHint, kHintMax, "el comentario", record.hint) || !Word(kPlacement, word)) {
            return false;
        }
        bool known = false;
        for (int p = 0; p < 3; ++p) {
            if (word == kPlacementWords[p]) {
                record.hintPlacement = static_cast<HintPlacement>(p);
                known = true;
            }
        }
        if (!known) return Fail("el lugar del comentario debe ser «no poner», «en enunciado» o «en respuesta»");
        Recipe& recipe = record.recipe;
        if (!Number(kTopic, kRecipeTopicMax, "el tema debe ser un número de 0 a 99", value)) return false;
        recipe.topic = static_cast<uint16_t>(value);
        const char* subKindRange =
            recipe.topic == 0 ? "sin tema, el tipo debe ser 0" : "el tipo debe ser un número de 1 a 255";
        if (!Number(kSubKind, 255, subKindRange, value)) return false;
        if ((recipe.topic == 0) != (value == 0)) return Fail(subKindRange);
        recipe.subKind = static_cast<uint8_t>(value);
        if (!Text(kFormula, kRecipeTextMax, "la fórmula", recipe.formula) || !Word(kPlausibility, word)) return false;
        if (word == kYes) {
            recipe.plausibility = kAnswerYes;
        } else if (word == kNo) {
            recipe.plausibility = kAnswerNo;
        } else if (word == kNotAsked) {
            recipe.plausibility = 0;
        } else {
            return Fail("«continuar igualmente» debe ser «sí», «no» o «sin pregunta»");
        }
        if (NextIs(kNumbers) && !Numbers(recipe.numbers)) return false;
        if (NextIs(kChoices) && !Choices(recipe.choices)) return false;
        if (recipe.topic == 0) recipe = Recipe{};  // no recipe: nothing of it is kept
        while (NextIs(kResult)) {
            if (record.results.size() == kResultsMax) {
                return Fail("un ejercicio guarda " + std::to_string(kResultsMax) + " resultados como máximo");
            }
            ExerciseResult result;
            if (!Result(result)) return false;
            record.results.push_back(std::move(result));
        }
        if (!Word(kEdited, word)) return false;
        if (word != kYes && word != kNo) return Fail("«editado a mano» debe ser «sí» o «no»");
        record.editedByHand = word == kYes;
        record.accepted = true;
        return true;
    }

    // Whether the next line that is not empty is the line of `key` (which may be missing).
    bool NextIs(const char* key) {
        const std::size_t at = at_;
        const int lineNumber = error_.line;
        std::string_view line;
        const bool found = NextLine(line, nullptr) && line.substr(0, std::strlen(key) + 1) == std::string(key) + ":";
        at_ = at;
        error_.line = lineNumber;
        return found;
    }

    bool Numbers(std::optional<NumberStyle>& numbers) {
        std::string word;
        if (!Word(kNumbers, word)) return false;
        NumberStyle style;
        if (word != kNoOptions) {
            std::string_view rest = word;
            while (!rest.empty()) {
                const std::size_t comma = rest.find(',');
                const std::string option = TrimText(rest.substr(0, comma));
                rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
                if (option == kDecimalComma) {
                    style.decimalComma = true;
                } else if (option == kSignificantFigures) {
                    style.significantFigures = true;
                } else {
                    return Fail("«números» debe ser «ninguna», «coma decimal», «cifras significativas» o las dos "
                                "separadas por una coma");
                }
            }
        }
        numbers = style;
        return true;
    }

    // "resultado: número, 2 decimales", then its label, value and unit; a formula or a choice
    // has its text as value, and a choice one line per substance offered.
    bool Result(ExerciseResult& result) {
        std::string word;
        int valueLine = 0;
        if (!Word(kResult, word)) return false;
        if (word == kFormulaResult || word == kChoiceResult) {
            result.kind = word == kFormulaResult ? ResultKind::Formula : ResultKind::Choice;
        } else if (!NumberKind(word, result)) {
            return Fail(kResultKinds);
        }
        if (!Text(kLabel, kResultTextMax, "la etiqueta", result.label)) return false;
        if (result.kind != ResultKind::Number) {
            if (!Text(kValue, kResultTextMax, "el valor", result.text)) return false;
            if (result.text.empty()) return Fail("el valor de una fórmula o una elección no puede estar vacío");
            valueLine = error_.line;
        } else {
            if (!Word(kValue, word)) return false;
            const char* end = word.data() + word.size();
            const auto [stop, fault] = std::from_chars(word.data(), end, result.value);
            if (fault != std::errc() || stop != end || !std::isfinite(result.value)) {
                return Fail("el valor debe ser un número escrito con punto, como 0.5 o 6.022e+23");
            }
            if (!Text(kUnit, kResultTextMax, "la unidad", result.unit)) return false;
        }
        while (result.kind == ResultKind::Choice && NextIs(kOption)) {
            if (result.options.size() == kResultOptionsMax) {
                return Fail("una elección ofrece " + std::to_string(kResultOptionsMax) + " sustancias como máximo");
            }
            std::string option;
            if (!Text(kOption, kResultTextMax, "la opción", option)) return false;
            result.options.push_back(std::move(option));
        }
        if (result.kind == ResultKind::Choice &&
            std::find(result.options.begin(), result.options.end(), result.text) == result.options.end()) {
            error_.line = valueLine;
            return Fail("la sustancia elegida debe estar entre las opciones");
        }
        return true;
    }

    // "número, 3 cifras" (1 to 17), "número, 2 decimales" (0 to 30) or "número, exacto".
    static bool NumberKind(const std::string& word, ExerciseResult& result) {
        const std::string start = std::string(kNumberResult) + ", ";
        if (word.compare(0, start.size(), start) != 0) return false;
        std::string rest = word.substr(start.size());
        result.kind = ResultKind::Number;
        const std::size_t logarithm = std::strlen(kLogarithm);
        if (rest.size() > logarithm && rest.compare(rest.size() - logarithm, logarithm, kLogarithm) == 0) {
            result.logarithm = true;
            rest.resize(rest.size() - logarithm);
        }
        if (rest == kExact && !result.logarithm) {
            result.exact = true;
            return true;
        }
        const std::size_t blank = rest.find(' ');
        if (blank == 0 || blank == std::string::npos || blank > 2) return false;
        int n = 0;
        for (std::size_t i = 0; i < blank; ++i) {
            if (rest[i] < '0' || rest[i] > '9') return false;
            n = n * 10 + (rest[i] - '0');
        }
        const std::string counted = rest.substr(blank + 1);
        result.kind = ResultKind::Number;
        result.significant = counted == kFigures;
        if (!result.significant && counted != kDecimals) return false;
        if (result.significant ? n < 1 || n > 17 : n > 30) return false;
        result.digits = static_cast<uint8_t>(n);
        return true;
    }

    bool Choices(std::vector<uint8_t>& choices) {
        std::string word;
        if (!Word(kChoices, word)) return false;
        const char* range = "las elecciones deben ser números de 0 a 255 separados por blancos";
        choices.clear();
        std::size_t i = 0;
        while (i < word.size()) {
            if (word[i] == ' ') {
                ++i;
                continue;
            }
            uint32_t n = 0;
            std::size_t digits = 0;
            for (; i < word.size() && word[i] != ' '; ++i, ++digits) {
                if (word[i] < '0' || word[i] > '9') return Fail(range);
                n = n * 10 + static_cast<uint32_t>(word[i] - '0');
                if (n > 255) return Fail(range);
            }
            if (digits == 0) return Fail(range);
            if (choices.size() == kRecipeChoicesMax) {
                return Fail("una receta guarda " + std::to_string(kRecipeChoicesMax) + " elecciones como máximo");
            }
            choices.push_back(static_cast<uint8_t>(n));
        }
        return true;
    }

    // The next line that is not empty, without its line end; false at the end of the bytes
    // (with the fault "cut short" when `wanted` names the line that was due).
    bool NextLine(std::string_view& line, const char* wanted) {
        while (at_ < bytes_.size()) {
            std::size_t end = bytes_.find('\n', at_);
            if (end == std::string_view::npos) end = bytes_.size();
            line = bytes_.substr(at_, end - at_);
            at_ = end + 1;
            ++error_.line;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!line.empty()) return true;
        }
        if (wanted) {
            ++error_.line;
            Fail(std::string("el fichero se acaba antes de tiempo: falta la línea «") + wanted + "»");
        }
        return false;
    }

    // The value of the line "key: value" (the blank after the colon may be missing).
    bool Value(const char* key, std::string_view& value) {
        std::string_view line;
        if (!NextLine(line, key)) return false;
        const std::string prefix = std::string(key) + ":";
        if (line.substr(0, prefix.size()) != prefix) return Fail(Expected((prefix + " ...").c_str(), line));
        value = line.substr(prefix.size());
        if (!value.empty() && value[0] == ' ') value.remove_prefix(1);
        return true;
    }

    bool Word(const char* key, std::string& word) {
        std::string_view value;
        if (!Value(key, value)) return false;
        word = TrimText(value);
        return true;
    }

    bool Number(const char* key, uint32_t max, const std::string& range, uint32_t& number) {
        std::string word;
        if (!Word(key, word)) return false;
        uint64_t n = 0;
        for (char c : word) {
            if (c < '0' || c > '9') return Fail(range);
            n = n * 10 + static_cast<uint64_t>(c - '0');
            if (n > max) return Fail(range);
        }
        if (word.empty()) return Fail(range);
        number = static_cast<uint32_t>(n);
        return true;
    }

    bool Text(const char* key, std::size_t max, const char* what, std::string& text) {
        std::string_view value;
        if (!Value(key, value)) return false;
        text.clear();
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] != '\\') {
                text += value[i];
                continue;
            }
            if (i + 1 >= value.size()) return Fail("la línea acaba en «\\» sin nada detrás (una «\\» se escribe «\\\\»)");
            const char code = value[++i];
            switch (code) {
                case '\\': text += '\\'; break;
                case 'r': text += '\r'; break;
                case 'n': text += '\n'; break;
                case 't': text += '\t'; break;
                case 'x': {
                    const int high = i + 1 < value.size() ? HexValue(value[i + 1]) : -1;
                    const int low = i + 2 < value.size() ? HexValue(value[i + 2]) : -1;
                    if (high < 0 || low < 0) return Fail("tras «\\x» deben venir dos cifras hexadecimales");
                    text += static_cast<char>(high * 16 + low);
                    i += 2;
                    break;
                }
                default:
                    return Fail(std::string("«\\") + Shown(std::string(1, code)) +
                                "» no es una secuencia válida (una «\\» se escribe «\\\\»)");
            }
        }
        if (text.size() > max) {
            return Fail(std::string(what) + " tiene " + std::to_string(text.size()) + " caracteres; el máximo es " +
                        std::to_string(max));
        }
        return true;
    }

    static std::string Expected(const char* wanted, std::string_view line) {
        return std::string("se esperaba «") + wanted + "» y pone «" + Shown(line) + "»";
    }

    bool Fail(const std::string& reason) {
        error_.reason = reason;
        return false;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    BatchFileError error_;
};

// "key: value"; an empty value leaves no blank at the end of the line.
void Line(std::string& out, const char* key, const std::string& value) {
    out += key;
    out += ':';
    if (!value.empty()) out += ' ' + value;
    out += kLineEnd;
}

std::string NumbersWord(const NumberStyle& style) {
    if (style.decimalComma && style.significantFigures) return std::string(kDecimalComma) + ", " + kSignificantFigures;
    if (style.decimalComma) return kDecimalComma;
    if (style.significantFigures) return kSignificantFigures;
    return kNoOptions;
}

void WriteResult(std::string& out, const ExerciseResult& result) {
    if (result.kind == ResultKind::Number) {
        Line(out, kResult, std::string(kNumberResult) + ", " +
                               (result.exact ? kExact
                                             : std::to_string(result.digits) + " " +
                                                   (result.significant ? kFigures : kDecimals) +
                                                   (result.logarithm ? kLogarithm : "")));
        Line(out, kLabel, Escape(result.label));
        // The shortest text that reads back as the same double, with a point in every locale.
        char value[32];
        const auto written = std::to_chars(value, value + sizeof value, result.value);
        Line(out, kValue, std::string(value, written.ptr));
        Line(out, kUnit, Escape(result.unit));
        return;
    }
    Line(out, kResult, result.kind == ResultKind::Formula ? kFormulaResult : kChoiceResult);
    Line(out, kLabel, Escape(result.label));
    Line(out, kValue, Escape(result.text));
    if (result.kind == ResultKind::Choice) {
        for (const std::string& option : result.options) Line(out, kOption, Escape(option));
    }
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

BatchFile CurrentBatchFile() {
    BatchFile file;
    file.exportName = ExportName;
    file.documentTitle = DocumentTitle;
    file.presentation = Presentation != 0 ? 1 : 0;
    file.seed = BatchSeed;
    file.exercises = BatchExercises();
    return file;
}

std::string EncodeBatchFile(const BatchFile& file) {
    std::string out = std::string(kBatchFileFirstLine) + kLineEnd;
    Line(out, kName, Escape(file.exportName));
    Line(out, kTitle, Escape(file.documentTitle));
    Line(out, kPresentation, file.presentation != 0 ? "1" : "0");
    Line(out, kSeed, std::to_string(file.seed));
    Line(out, kCount, std::to_string(file.exercises.size()));
    for (std::size_t i = 0; i < file.exercises.size(); ++i) {
        const ExerciseRecord& record = file.exercises[i];
        const Recipe& recipe = record.recipe;
        out += kLineEnd;
        Line(out, kExercise, std::to_string(i + 1));
        Line(out, kStatement, Escape(record.statement));
        Line(out, kAnswer, Escape(record.answer));
        Line(out, kHint, Escape(record.hint));
        const int placement = static_cast<int>(record.hintPlacement);
        Line(out, kPlacement, kPlacementWords[placement >= 0 && placement <= 2 ? placement : 0]);
        Line(out, kTopic, std::to_string(recipe.topic));
        Line(out, kSubKind, std::to_string(recipe.topic == 0 ? 0 : recipe.subKind));
        Line(out, kFormula, Escape(recipe.formula));
        Line(out, kPlausibility,
             recipe.plausibility == kAnswerYes  ? kYes
             : recipe.plausibility == kAnswerNo ? kNo
                                                : kNotAsked);
        if (recipe.topic != 0 && recipe.numbers) Line(out, kNumbers, NumbersWord(*recipe.numbers));
        if (recipe.topic != 0 && !recipe.choices.empty()) {
            std::string choices;
            for (uint8_t choice : recipe.choices) choices += (choices.empty() ? "" : " ") + std::to_string(choice);
            Line(out, kChoices, choices);
        }
        for (const ExerciseResult& result : record.results) WriteResult(out, result);
        Line(out, kEdited, record.editedByHand ? kYes : kNo);
    }
    out += kLineEnd;
    out += kEnd;
    out += kLineEnd;
    return out;
}

bool DecodeBatchFile(std::string_view bytes, BatchFile& file, BatchFileError& error) {
    // Saved again from Notepad, the file may be UTF-8: read as the Windows-1252 it stands for.
    const TextEncoding encoding = FindTextEncoding(bytes);
    std::string converted;
    if (encoding.utf8) {
        bytes.remove_prefix(encoding.start);
        Utf8Problem problem;
        if (!Utf8ToWindows1252(bytes, converted, problem)) {
            const std::string_view before = bytes.substr(0, problem.at);
            error = {1 + static_cast<int>(std::count(before.begin(), before.end(), '\n')), Utf8ProblemText(problem)};
            return false;
        }
        bytes = converted;
    }
    Reader reader(bytes);
    BatchFile read;
    if (!reader.Read(read)) {
        error = reader.Error();
        return false;
    }
    file = std::move(read);
    return true;
}

std::string BatchFileRefusal(const std::string& path, const BatchFileError& error) {
    std::string text = FileName(path);
    if (error.line > 0) text += ", línea " + std::to_string(error.line);
    return text + ":\r" + error.reason + ".";
}

bool SaveBatchFile(const std::string& path) {
    std::string error;
    if (!WriteWholeFile(path, EncodeBatchFile(CurrentBatchFile()), error)) {
        ShowMessage(kSaveCaption, "No se ha podido guardar el lote (" + error + "):\r" + path);
        return false;
    }
    RememberWrittenFile(path);
    return true;
}

bool OpenBatchFile(const std::string& path) {
    if (RefusedWhileEditing()) return false;
    const FileContent content = ReadFileBytes(path, kFileSizeMax);
    if (content.error != 0) {
        const std::string why =
            content.error == EFBIG ? "es demasiado grande para ser un lote" : ReadErrorText(content.error);
        ShowMessage(kOpenCaption, FileName(path) + ":\r" + why + ".");
        return false;
    }
    BatchFile file;
    BatchFileError error;
    if (!DecodeBatchFile(content.bytes, file, error)) {
        ShowMessage(kOpenCaption, BatchFileRefusal(path, error));
        return false;
    }
    ExportName = file.exportName;
    DocumentTitle = file.documentTitle;
    Presentation = file.presentation;
    BatchSeed = file.seed;
    BatchReplace(file.exercises);
    // As it was saved: nothing to lose yet, and no document of it written in this run.
    BatchExported = false;
    ExportPath.clear();
    UnexportedChanges = false;
    return true;
}

void SaveBatchCommand() {
    if (Batch.count == 0) return;
    std::string folder;
    if (!ExportFolderPath(folder) || !EnsureExportFolder(folder)) return;
    std::string path = ExportName.empty() ? "" : ExportName + kBatchFileExtension;
    if (!Ui().ChooseBatchFile(true, folder, path)) return;
    if (SaveBatchFile(path)) UnexportedChanges = false;
}

void OpenBatchCommand() {
    if (RefusedWhileEditing()) return;
    if (Batch.count > 0 && UnexportedChanges &&
        AskYesNoFlags("Abrir lote",
                      "Hay ejercicios en el lote que no se han guardado en un fichero .rtf.\r"
                      "¿Abrir otro lote sin guardarlos?",
                      kBoxIconExclamation) != kAnswerYes) {
        return;
    }
    std::string folder;
    if (!ExportFolderPath(folder)) return;
    std::string path;
    if (!Ui().ChooseBatchFile(false, folder, path)) return;
    OpenBatchFile(path);
}
