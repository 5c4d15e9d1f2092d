#pragma once
// The exercise editor's preview: an exercise painted as it will read, with the comment
// where its placement puts it (painted as typed, without the document's prefix).

#include <cstdint>

#include "richtext/canvas.h"
#include "shell/batch.h"

// The texts of the preview, from the top of its panel; the caller draws the panel.
void PaintExercisePreview(Canvas& canvas, const ExerciseRecord& record);
