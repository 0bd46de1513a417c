#include <benchmark/benchmark.h>

#include "assets/embedded_assets.h"
#include "compositor/character_draw.h"
#include "compositor/head.h"

namespace kelvara {
namespace {

struct Loaded {
    Sheets sheets = load_embedded_sheets();
    Workspace w;
    EditorState state;

    Loaded() {
        state.size_num = 4;
        state.back_color = RGB(212, 208, 200);
        cut_head_cell(sheets.face_set, 123, w.face_pic);
        cut_head_cell(sheets.hair_set, 301, w.hair_pic);
        cut_pose_cell(sheets.cloth_set, 17, w.pre_cloth_pic);
    }
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

void BM_compose_head(benchmark::State& st) {
    Loaded& l = loaded();
    for (auto _ : st) {
        compose_head(l.w, 301);
        benchmark::DoNotOptimize(l.w.pre_face_pic.bits().data());
    }
}
BENCHMARK(BM_compose_head);

void BM_Character_draw(benchmark::State& st) {
    Loaded& l = loaded();
    l.state.size_num = static_cast<Int16>(st.range(0));
    compose_head(l.w, 301);
    for (auto _ : st) {
        Character_draw(l.state, false, l.w);
        benchmark::DoNotOptimize(l.w.character_view.bits().data());
    }
}
BENCHMARK(BM_Character_draw)->Arg(1)->Arg(4)->Arg(6);

}  // namespace
}  // namespace kelvara

BENCHMARK_MAIN();
