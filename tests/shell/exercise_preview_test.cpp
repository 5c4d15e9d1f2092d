#include "shell/exercise_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/exercises.h"
#include "tests/support/recording_canvas.h"

namespace {

using Drawn = std::vector<std::string>;

ExerciseRecord Sample(HintPlacement placement) { return Exercise("Masa de H_2O", "18 g", "ojo: #B(g)", placement); }

TEST(ExercisePreview, PutsTheCommentWhereItsPlacementSays) {
    const Drawn statement = {"15,7 16x6 b: Enunciado:", "16,23 16x6: Masa de H", "70,31 12x4: 2",
                             "74,23 16x6: O"};
    struct Case {
        HintPlacement placement;
        Drawn rest;  // after the statement
    } cases[] = {
        {HintPlacement::None, {"15,39 16x6 b: Respuesta:", "16,55 16x6: 18 g"}},
        {HintPlacement::InStatement,
         {"16,39 16x6: ojo: ", "46,39 16x6 b: g", "15,55 16x6 b: Respuesta:", "16,71 16x6: 18 g"}},
        {HintPlacement::InAnswer,
         {"15,39 16x6 b: Respuesta:", "16,55 16x6: 18 g", "16,71 16x6: ojo: ", "46,71 16x6 b: g"}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        PaintExercisePreview(canvas, Sample(c.placement));
        Drawn expected = statement;
        expected.insert(expected.end(), c.rest.begin(), c.rest.end());
        EXPECT_EQ(canvas.drawn, expected) << "placement " << int(c.placement);
        EXPECT_TRUE(canvas.penTextMode);
        EXPECT_EQ(canvas.applied.weight, kWeightNormal);
    }
}

TEST(ExercisePreview, EachBlockStartsALineBelowWhereTheLastOneEnded) {
    ExerciseRecord r = Sample(HintPlacement::None);
    r.statement = "a\r\nb\r\nc";
    r.answer = "";
    RecordingCanvas canvas;
    PaintExercisePreview(canvas, r);
    EXPECT_EQ(canvas.drawn, (Drawn{"15,7 16x6 b: Enunciado:", "16,23 16x6: a", "16,39 16x6: b", "16,55 16x6: c",
                                   "15,71 16x6 b: Respuesta:"}));
    EXPECT_EQ(canvas.PenY(), 87);  // an empty answer still takes its line
}

}  // namespace
