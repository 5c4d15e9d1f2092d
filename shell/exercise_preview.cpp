#include "shell/exercise_preview.h"

#include "richtext/painter.h"

namespace {

constexpr int32_t kTextX = 16;   // statement, answer and comment
constexpr int32_t kLabelX = 15;  // the bold labels
constexpr int32_t kTop = 7;

// Each block starts one line below where the previous one left the pen.
void PaintBlock(Canvas& canvas, int32_t x, const std::string& text) {
    PaintMarkup(canvas, x, canvas.PenY() + kMarkupLineHeight, text);
}

}  // namespace

void PaintExercisePreview(Canvas& canvas, const ExerciseRecord& record) {
    canvas.SetPenTextMode();
    canvas.SetBold(true);
    canvas.MovePen(kLabelX, kTop);
    canvas.DrawTextAtPen("Enunciado:");
    canvas.SetBold(false);
    PaintBlock(canvas, kTextX, record.statement);
    if (record.hintPlacement == HintPlacement::InStatement) PaintBlock(canvas, kTextX, record.hint);
    canvas.SetBold(true);
    PaintBlock(canvas, kLabelX, "Respuesta:");
    canvas.SetBold(false);
    PaintBlock(canvas, kTextX, record.answer);
    if (record.hintPlacement == HintPlacement::InAnswer) PaintBlock(canvas, kTextX, record.hint);
}
