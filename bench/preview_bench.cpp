#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "model/editor_state.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

// The animation preview: one frame drawn for a character and painted at x4 on the checkerboard,
// which each frame of an animation costs the first time it shows; and a change of the character
// as the preview takes it from the main window, the frame on screen drawn again at once.
namespace kelvara {
namespace {

EditorState character(int hair_colour) {
    EditorState s = start_up_selection();
    s.face_num = 123;
    s.hair_num = 301;
    s.hair_color_num = static_cast<Int16>(hair_colour);
    s.cloth_color_num = 5;
    s.cloth2_color_num = 26;
    return s;
}

void BM_preview_frame(benchmark::State& st) {
    const sprites::CharacterOutput output;
    Workspace ws;
    const EditorState s = character(12);
    const sprites::PreviewLook look{.scale = static_cast<int>(st.range(0)), .checkerboard = true};
    QImage view(sprites::PreviewView::side, sprites::PreviewView::side, QImage::Format_RGB32);
    int pose = 4;
    for (auto _ : st) {
        const QImage sprite =
            sprites::preview_sprite(output, s, {catalogue::Sheet::poses, pose}, ws);
        QPainter painter(&view);
        sprites::paint_preview(painter, view.rect(), sprite, look);
        painter.end();
        benchmark::DoNotOptimize(view.constBits());
        pose = pose == 11 ? 4 : pose + 1;  // the walk's frames in turn
    }
}
BENCHMARK(BM_preview_frame)->Arg(1)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_preview_character_change(benchmark::State& st) {
    sprites::AnimationPreview preview(character(0), nullptr);
    preview.show();
    QApplication::processEvents();
    int hair_colour = 0;
    for (auto _ : st) {
        hair_colour = (hair_colour + 1) % 50;
        preview.set_character(character(hair_colour));
        benchmark::DoNotOptimize(preview.shown_sprite().constBits());
    }
}
BENCHMARK(BM_preview_character_change)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvara

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
