#pragma once

#include <functional>

#include "compositor/sheets.h"
#include "compositor/surface.h"
#include "tools/sheetgen/canvas.h"

namespace kelvara::sheetgen {

// A figure's joints in frame pixels. The fighter faces left; the near limbs are the ones in front
// of the torso, the far limbs are painted behind it and a shade darker.
struct Limb {
    Point joint;  // elbow or knee
    Point end;    // hand or ankle
};

enum class Hand { fist, open };

struct Skeleton {
    Point neck;    // top of the spine, under the chin
    Point pelvis;  // bottom of the spine
    Limb far_arm;
    Limb near_arm;
    Limb far_leg;
    Limb near_leg;
    Hand far_hand = Hand::fist;
    Hand near_hand = Hand::fist;
    // The chest faces left of the spine's direction; a figure lying on its back faces the other
    // side.
    bool chest_flipped = false;
};

// Something the fighter holds or sits on, drawn with the figure: a ball (centred on `at`), a
// crate (top-left corner at `at`) or a puff of dust kicked up on the ground (its middle at `at`,
// for a foot that has just come down). Behind, it is painted before the whole figure; otherwise
// in front of the arms.
enum class PropKind { none, ball, box, dust };
struct Prop {
    PropKind kind = PropKind::none;
    Point at{};
    bool behind = false;
};

enum class Outfit { school, sports, track, street, gi };
constexpr int outfit_count = 5;

// Whether the near arm passes in front of the head or behind it.
enum class ArmDepth { in_front, behind_head };

// Paints the figure's parts in depth order: a prop held behind, far arm, legs, neck, torso and
// collar, then whatever paint_head adds, and the near arm and a prop held in front over it all
// or, behind_head, before the head.
void paint_figure(Canvas& canvas, const Skeleton& body, Outfit outfit, ArmDepth arms,
                  const Prop& prop, const std::function<void(Canvas&)>& paint_head);

// Where an arm covers half a button, the half left showing is one pixel, which reads as a speck:
// this paints such pixels over in the cloth next to them.
void drop_button_specks(Surface& frame);

}  // namespace kelvara::sheetgen
