#include "tools/sheetgen/pose_catalogue.h"

#include <array>
#include <vector>

#include "model/pose_ranges.h"

namespace kelvara::sheetgen {

namespace {

constexpr Hand F = Hand::fist;
constexpr Hand O = Hand::open;
constexpr Mouth closed = Mouth::closed;
constexpr Mouth open = Mouth::open;
constexpr Mouth grit = Mouth::grit;
constexpr Mouth pain = Mouth::pain;

// One skeleton per line: neck, pelvis, far arm (elbow, hand), near arm (elbow, hand), far leg
// (knee, ankle), near leg (knee, ankle), then the far and near hand.
constexpr Skeleton S(Point neck, Point pelvis, Point far_elbow, Point far_hand, Point near_elbow,
                     Point near_hand, Point far_knee, Point far_ankle, Point near_knee,
                     Point near_ankle, Hand far = F, Hand near = F) {
    return {neck,
            pelvis,
            {far_elbow, far_hand},
            {near_elbow, near_hand},
            {far_knee, far_ankle},
            {near_knee, near_ankle},
            far,
            near};
}

constexpr Prop ball(int x, int y) {
    return {PropKind::ball, {x, y}, false};
}
constexpr Prop ball_behind(int x, int y) {
    return {PropKind::ball, {x, y}, true};
}
constexpr Prop dust(int x, int y) {
    return {PropKind::dust, {x, y}, false};
}
constexpr Prop box(int x, int y) {
    return {PropKind::box, {x, y}, false};
}
constexpr Prop box_behind(int x, int y) {
    return {PropKind::box, {x, y}, true};
}

struct Uniform {
    std::string_view name;
    Skeleton body;
    Mouth mouth;
    Prop prop = {};
};

// The fighter faces left, the head fixed at the top of the frame (its square is x 24..42,
// y 16..28). Behind the head only poses 75, 76, 77 and 110 raise their arms; every other pose
// keeps hands and elbows out of that square, below it or beside it.
// clang-format off
constexpr Uniform uniform_poses[] = {
    // 0..3 standing
    {"fighting stance",        S({35,34},{36,44}, {27,40},{24,36}, {41,41},{33,39}, {31,47},{28,51}, {40,47},{42,51}), closed},
    {"stance, breathing out",  S({35,35},{36,45}, {27,41},{24,38}, {41,42},{33,41}, {30,48},{27,51}, {41,48},{43,51}), open},
    {"standing at ease",       S({35,34},{36,44}, {31,40},{30,45}, {40,40},{41,45}, {33,48},{33,51}, {39,48},{40,51}, O, O), closed},
    {"arms folded",            S({35,34},{36,44}, {30,40},{38,40}, {40,40},{31,40}, {32,48},{30,51}, {40,48},{42,51}), closed},
    // 4..11 walk cycle, far foot first: contact, down, passing, up, then the same with the near
    // foot; the arms swing against the legs, clear of the chest at the ends of the stride.
    {"walk 1: far heel down",  S({35,34},{36,44}, {40,40},{44,43}, {36,40},{29,43}, {31,47},{28,51}, {41,47},{44,50}, O, O), closed},
    {"walk 2: weight on",      S({35,35},{36,45}, {39,41},{42,45}, {36,41},{30,45}, {32,48},{31,51}, {42,48},{45,49}, O, O), closed},
    {"walk 3: passing",        S({35,34},{36,44}, {37,40},{38,45}, {37,41},{34,45}, {35,48},{35,51}, {36,46},{39,49}, O, O), closed},
    {"walk 4: far toe off",    S({35,34},{36,44}, {33,40},{30,44}, {40,40},{43,44}, {38,48},{41,51}, {33,46},{30,49}, O, O), closed},
    {"walk 5: near heel down", S({35,34},{36,44}, {32,40},{28,43}, {41,40},{45,43}, {41,47},{44,50}, {34,47},{31,51}, O, O), closed},
    {"walk 6: weight on",      S({35,35},{36,45}, {33,41},{30,45}, {41,41},{44,45}, {42,48},{45,49}, {35,48},{34,51}, O, O), closed},
    {"walk 7: passing",        S({35,34},{36,44}, {35,40},{34,45}, {39,41},{39,45}, {36,46},{39,49}, {38,48},{38,51}, O, O), closed},
    {"walk 8: near toe off",   S({35,34},{36,44}, {37,40},{39,44}, {35,40},{30,44}, {33,46},{30,49}, {40,48},{43,51}, O, O), closed},
    // 12..17 run cycle, leaning in: strike, push off with both feet in the air, the free knee
    // driven through; fists pump against the legs.
    {"run 1: far foot strikes", S({34,34},{37,44}, {41,39},{45,42}, {30,39},{28,35}, {31,46},{27,50}, {42,47},{47,50}), open},
    {"run 2: drive",           S({34,34},{37,44}, {40,40},{43,44}, {31,40},{28,37}, {35,48},{34,51}, {43,45},{47,46}), open},
    {"run 3: near knee through", S({34,34},{37,44}, {35,40},{31,41}, {40,40},{44,41}, {40,47},{44,49}, {32,45},{32,49}), open},
    {"run 4: near foot strikes", S({34,34},{37,44}, {30,39},{28,35}, {41,39},{45,42}, {42,47},{47,50}, {32,46},{28,50}), open},
    {"run 5: drive",           S({34,34},{37,44}, {31,40},{28,37}, {40,40},{43,44}, {43,45},{47,46}, {36,48},{35,51}), open},
    {"run 6: far knee through", S({34,34},{37,44}, {40,40},{44,41}, {35,40},{31,41}, {32,45},{32,49}, {40,47},{44,49}), open},
    // 18..19 footwork
    {"step back",              S({36,34},{37,44}, {28,40},{26,37}, {41,41},{35,40}, {33,47},{31,51}, {43,47},{47,50}), grit},
    {"dash",                   S({33,35},{38,44}, {40,40},{44,43}, {29,41},{25,44}, {31,46},{26,49}, {43,48},{48,51}, O, O), open},
    // 20..25 jump
    {"jump: crouch to spring", S({35,35},{37,46}, {33,41},{37,45}, {40,42},{44,45}, {31,47},{31,51}, {43,47},{42,51}), grit},
    {"jump: take-off",         S({35,34},{36,44}, {28,38},{24,33}, {42,38},{45,33}, {34,48},{33,51}, {38,48},{39,51}, O, O), open},
    {"jump: tucked",           S({35,34},{37,43}, {29,39},{26,36}, {41,40},{35,39}, {31,44},{34,48}, {41,45},{43,49}), closed},
    {"jump: top, arms spread", S({35,34},{36,44}, {27,37},{22,35}, {44,37},{48,34}, {32,46},{34,50}, {40,46},{44,49}, O, O), open},
    {"jump: dropping",         S({35,34},{36,44}, {29,37},{25,33}, {43,38},{47,34}, {31,47},{29,50}, {41,47},{43,50}, O, O), closed},
    {"jump: landing",          S({35,35},{37,46}, {28,40},{23,42}, {43,40},{47,43}, {29,47},{27,51}, {44,47},{44,51}), closed},
    // 26..29 crouching
    {"crouch",                 S({35,35},{37,46}, {28,41},{25,38}, {41,42},{34,41}, {30,46},{30,51}, {43,46},{41,51}), closed},
    {"crouching guard",        S({35,35},{37,46}, {27,38},{24,34}, {40,39},{30,37}, {30,46},{30,51}, {43,46},{41,51}), grit},
    {"crouching punch",        S({35,35},{37,46}, {29,41},{28,37}, {29,41},{18,41}, {30,46},{29,51}, {43,46},{42,51}), grit},
    {"crouching sweep",        S({35,35},{38,46}, {29,42},{25,45}, {41,42},{38,46}, {25,49},{14,51}, {43,46},{42,51}), grit},
    // 30..33 guard
    {"high guard",             S({35,34},{36,44}, {25,38},{22,32}, {32,40},{24,35}, {31,47},{28,51}, {40,47},{42,51}), grit},
    {"low guard",              S({35,34},{36,44}, {28,41},{25,45}, {33,42},{28,46}, {31,47},{28,51}, {40,47},{42,51}), grit},
    {"blocking, pushed back",  S({36,34},{37,44}, {28,39},{25,35}, {33,41},{26,38}, {32,47},{30,51}, {43,47},{46,50}), pain},
    {"forearms crossed",       S({35,34},{36,44}, {28,38},{33,37}, {32,41},{26,36}, {31,47},{28,51}, {40,47},{42,51}), grit},
    // 34..44 punches (45 is the long jab)
    {"jab",                    S({35,34},{36,44}, {20,36},{13,35}, {41,41},{33,39}, {30,47},{26,51}, {41,47},{43,51}), grit},
    {"straight",               S({34,34},{37,44}, {28,40},{25,37}, {25,37},{15,36}, {30,47},{27,51}, {41,47},{45,51}), open},
    {"hook",                   S({35,34},{36,44}, {22,33},{20,38}, {41,41},{34,39}, {31,47},{28,51}, {41,47},{43,51}), grit},
    {"uppercut",               S({34,34},{36,44}, {29,40},{27,37}, {26,38},{20,29}, {31,47},{29,51}, {40,47},{42,51}), open},
    {"body blow",              S({34,35},{37,45}, {29,41},{26,38}, {27,44},{17,43}, {29,47},{27,51}, {42,47},{45,51}), open},
    {"elbow strike",           S({34,34},{37,44}, {29,41},{27,44}, {23,37},{31,38}, {30,47},{26,51}, {42,47},{45,51}), grit},
    {"backfist",               S({35,34},{36,44}, {24,33},{15,32}, {41,41},{35,40}, {31,47},{28,51}, {41,47},{43,51}), grit},
    {"twin palm thrust",       S({34,34},{37,44}, {24,37},{15,38}, {27,40},{17,42}, {29,47},{26,51}, {41,47},{45,51}, O, O), open},
    {"hammer raised",          S({35,34},{36,44}, {28,40},{25,37}, {45,33},{46,24}, {31,47},{28,51}, {41,47},{43,51}), grit},
    {"diving punch",           S({35,34},{37,43}, {23,39},{16,44}, {42,40},{46,43}, {31,45},{33,49}, {41,45},{44,48}), grit},
    {"low straight",           S({34,35},{37,45}, {29,41},{27,38}, {27,42},{16,41}, {28,47},{24,51}, {43,47},{47,51}), grit},
    {"long jab",               S({35,34},{37,44}, {19,33},{5,26}, {41,41},{33,39}, {30,47},{26,51}, {41,47},{44,51}), open},
    // 46..56 kicks
    {"front kick",             S({36,34},{37,44}, {30,39},{27,36}, {42,40},{36,39}, {28,41},{18,42}, {40,47},{41,51}), grit},
    {"high kick",              S({37,34},{38,44}, {31,39},{28,36}, {43,40},{38,39}, {28,38},{15,31}, {40,47},{40,51}), open},
    {"side kick",              S({37,34},{38,44}, {31,38},{28,35}, {43,41},{41,37}, {27,44},{14,44}, {41,47},{43,51}), grit},
    {"knee strike",            S({35,34},{37,44}, {27,39},{25,42}, {33,40},{28,43}, {28,42},{30,48}, {39,47},{41,51}, O, O), grit},
    {"low kick",               S({36,34},{37,44}, {30,39},{27,36}, {42,40},{36,39}, {29,48},{20,51}, {41,47},{42,51}), grit},
    {"sweep",                  S({35,35},{38,45}, {27,40},{23,43}, {42,41},{36,40}, {25,48},{13,51}, {43,46},{41,51}), grit},
    {"back kick",              S({34,35},{36,44}, {28,40},{25,36}, {40,41},{33,39}, {33,47},{32,51}, {44,42},{50,39}), grit},
    {"flying kick",            S({36,34},{38,43}, {31,38},{28,35}, {43,39},{38,38}, {28,44},{16,46}, {42,45},{45,49}), open},
    {"axe kick",               S({37,34},{38,44}, {31,40},{29,43}, {43,40},{40,43}, {29,37},{21,29}, {40,47},{40,51}), grit},
    {"stamp",                  S({34,35},{37,45}, {38,40},{43,43}, {42,40},{47,43}, {40,47},{43,50}, {31,46},{28,51}), grit, dust(22, 49)},
    {"spin heel kick",         S({35,34},{37,44}, {27,39},{22,38}, {44,39},{49,38}, {38,47},{40,51}, {30,40},{19,36}), open},
    // 57..69 throwing, catching and dodging a ball
    {"throw: wind-up",         S({35,34},{36,44}, {26,38},{21,37}, {44,35},{47,29}, {30,47},{27,51}, {42,47},{45,51}, O, F), grit, ball(48, 25)},
    {"throw: release",         S({34,34},{37,44}, {30,41},{29,45}, {31,38},{22,34}, {29,47},{25,51}, {42,47},{46,50}, O, F), open, ball(18, 32)},
    {"throw: follow-through",  S({34,35},{38,44}, {38,40},{42,43}, {30,42},{22,46}, {29,47},{26,51}, {43,46},{48,48}, O, O), open},
    {"underhand throw",        S({35,35},{37,45}, {29,40},{26,37}, {36,44},{27,46}, {29,47},{26,51}, {42,47},{45,51}, O, F), grit, ball(22, 47)},
    {"jump throw",             S({35,34},{37,43}, {27,38},{22,37}, {45,33},{48,28}, {31,45},{33,49}, {41,45},{44,48}, O, F), open, ball(48, 24)},
    {"catch: high",            S({35,34},{36,44}, {27,35},{21,31}, {31,37},{22,34}, {31,47},{28,51}, {40,47},{42,51}, O, O), open, ball(17, 29)},
    {"catch: to the chest",    S({35,35},{37,45}, {28,41},{24,39}, {35,43},{28,42}, {31,47},{28,51}, {42,47},{44,51}, O, O), grit, ball(25, 38)},
    {"catch: low",             S({35,35},{37,46}, {29,43},{25,46}, {35,45},{28,48}, {30,46},{29,51}, {43,46},{43,51}, O, O), grit, ball(24, 49)},
    {"holding the ball",       S({35,34},{36,44}, {29,42},{25,40}, {41,41},{42,45}, {32,48},{30,51}, {39,48},{41,51}, O, O), closed, ball(22, 39)},
    {"bouncing the ball",      S({35,34},{36,44}, {29,41},{27,44}, {33,42},{28,44}, {31,47},{28,51}, {41,47},{43,51}, F, O), closed, ball(26, 48)},
    {"two-handed pass",        S({34,34},{37,44}, {25,38},{18,37}, {28,41},{19,40}, {30,47},{26,51}, {41,47},{45,51}, O, O), open, ball(14, 38)},
    {"dodge: hop back",        S({35,34},{36,44}, {29,38},{25,36}, {43,38},{47,35}, {33,46},{35,49}, {41,45},{46,47}, O, O), open},
    {"dodge: sidestep",        S({35,34},{38,44}, {30,39},{27,43}, {42,39},{45,43}, {30,47},{24,51}, {43,47},{47,51}, O, O), grit},
    // 70..74 carrying, pushing
    {"carrying a crate",       S({35,34},{36,44}, {28,41},{24,42}, {33,43},{27,44}, {32,48},{30,51}, {40,48},{42,51}, O, O), grit, box(15, 33)},
    {"ball spun on a finger",  S({35,34},{36,44}, {30,40},{30,45}, {45,35},{46,27}, {32,48},{30,51}, {40,48},{42,51}, O, O), open, ball(47, 21)},
    {"lifting a crate",        S({35,35},{37,46}, {29,44},{25,47}, {33,45},{28,48}, {30,46},{30,51}, {43,46},{42,51}, O, O), pain, box(15, 41)},
    {"pushing",                S({34,35},{38,44}, {26,39},{19,39}, {29,41},{21,42}, {32,47},{29,51}, {43,47},{48,50}, O, O), grit},
    {"ball under the arm",     S({35,34},{36,44}, {31,40},{30,45}, {41,41},{43,45}, {31,47},{28,51}, {40,48},{43,51}, O, O), closed, ball(45, 40)},
    // 75..77 hands behind the head: the face is laid over these
    {"hands behind the head",  S({35,34},{36,44}, {21,24},{28,20}, {47,23},{39,20}, {31,47},{29,51}, {40,47},{42,51}), closed},
    {"scratching the head",    S({35,34},{36,44}, {28,41},{31,44}, {47,23},{39,20}, {32,47},{30,51}, {40,47},{41,51}, O, F), open},
    {"stretching",             S({35,34},{36,44}, {25,22},{30,16}, {45,21},{40,16}, {33,47},{32,51}, {39,47},{40,51}, O, O), open},
    // 78..84 grabbing and throwing a person
    {"grab",                   S({34,34},{37,44}, {25,38},{18,38}, {27,40},{20,41}, {30,47},{27,51}, {41,47},{44,51}, O, O), open},
    {"lifting by the collar",  S({35,34},{36,44}, {27,35},{21,32}, {42,41},{36,40}, {31,47},{28,51}, {41,47},{43,51}, O, F), grit},
    {"shoulder throw",         S({34,35},{38,45}, {28,36},{23,33}, {31,38},{24,36}, {29,47},{27,51}, {43,46},{45,51}), grit},
    {"tug of war",             S({36,34},{37,44}, {28,40},{20,40}, {31,42},{21,43}, {29,47},{25,51}, {41,47},{41,51}), grit},
    {"grab and knee",          S({35,34},{37,44}, {24,37},{18,36}, {33,40},{27,40}, {28,42},{31,48}, {39,47},{41,51}, O, O), grit},
    {"collar and cocked fist", S({35,34},{36,44}, {24,37},{16,37}, {44,37},{47,33}, {30,47},{27,51}, {41,47},{43,51}, O, F), grit},
    {"tackle",                 S({33,35},{38,44}, {26,42},{20,44}, {30,43},{22,46}, {31,46},{26,49}, {43,48},{48,51}, O, O), grit},
    // 85..95 victory and taunts
    {"fist raised",            S({35,34},{36,44}, {30,40},{31,44}, {46,31},{46,20}, {32,47},{30,51}, {39,47},{41,51}), open},
    {"both fists up",          S({35,34},{36,44}, {22,31},{20,22}, {46,31},{47,21}, {33,47},{31,51}, {39,47},{41,51}), open},
    {"pointing",               S({35,34},{36,44}, {25,37},{16,35}, {42,41},{38,44}, {31,47},{28,51}, {40,47},{42,51}, O, F), grit},
    {"hands on hips",          S({35,34},{36,44}, {27,40},{33,44}, {45,40},{40,44}, {32,48},{30,51}, {40,48},{42,51}), open},
    {"beckoning",              S({35,34},{36,44}, {26,39},{20,36}, {41,41},{36,43}, {31,47},{28,51}, {40,47},{42,51}, O, F), grit},
    {"slapping the knee",      S({34,35},{37,44}, {30,42},{30,46}, {42,42},{41,46}, {30,47},{28,51}, {42,47},{45,51}, O, O), open},
    {"v sign",                 S({35,34},{36,44}, {25,36},{22,31}, {41,41},{38,45}, {32,47},{30,51}, {40,47},{41,51}, O, O), open},
    {"waving",                 S({35,34},{36,44}, {30,40},{30,45}, {46,32},{49,25}, {32,48},{30,51}, {40,48},{41,51}, O, O), open},
    {"flexing",                S({35,34},{36,44}, {24,37},{23,31}, {45,37},{46,31}, {31,47},{28,51}, {41,47},{43,51}), grit},
    {"hero landing",           S({35,35},{37,47}, {28,44},{27,50}, {42,42},{46,45}, {29,47},{28,51}, {41,51},{47,51}), grit},
    {"laughing",               S({36,34},{36,44}, {30,41},{32,43}, {45,38},{47,33}, {32,47},{30,51}, {40,47},{42,51}, O, O), open},
    // 96..103 sitting and resting
    {"sitting, legs out",      S({35,35},{38,47}, {32,42},{33,47}, {43,42},{45,47}, {30,46},{24,50}, {31,48},{23,51}, O, O), closed},
    {"sitting cross-legged",   S({35,35},{37,47}, {30,42},{27,47}, {42,42},{46,47}, {27,49},{38,51}, {46,49},{33,51}), closed},
    {"sitting on a crate",     S({35,34},{38,44}, {30,40},{30,44}, {40,41},{33,44}, {31,44},{30,51}, {32,46},{33,51}), closed, box_behind(34, 44)},
    {"squatting",              S({35,35},{38,46}, {30,41},{26,44}, {41,40},{36,44}, {30,44},{31,51}, {43,44},{42,51}), grit},
    {"one knee down",          S({35,35},{37,46}, {29,41},{29,45}, {41,42},{40,46}, {29,46},{29,51}, {41,51},{46,51}), closed},
    {"hugging the knees",      S({36,35},{39,48}, {31,40},{27,44}, {36,41},{28,45}, {30,42},{30,50}, {31,43},{32,51}), closed},
    {"kneeling upright",       S({35,35},{37,46}, {30,42},{31,46}, {40,42},{36,46}, {33,50},{43,51}, {37,50},{46,51}, O, O), closed},
    {"crate, elbows on knees", S({35,35},{38,44}, {30,41},{27,38}, {34,42},{28,39}, {31,44},{30,51}, {32,46},{33,51}), closed, box_behind(34, 44)},
    // 104..109 power and fatigue
    {"gathering power",        S({36,34},{36,44}, {31,41},{33,45}, {45,40},{47,45}, {31,47},{29,51}, {41,47},{43,51}), grit},
    {"low palm blast",         S({34,35},{37,45}, {25,41},{17,42}, {28,43},{19,45}, {28,47},{24,51}, {43,47},{47,51}, O, O), open},
    {"slide",                  S({35,35},{39,47}, {32,42},{34,46}, {44,42},{47,46}, {28,50},{16,51}, {42,47},{45,50}, O, O), grit},
    {"arms flung wide",        S({35,34},{36,44}, {25,37},{18,35}, {45,37},{49,35}, {32,47},{30,51}, {40,47},{42,51}, O, O), open},
    {"hands on the knees",     S({34,35},{38,44}, {29,42},{30,46}, {36,43},{34,47}, {31,47},{29,51}, {40,47},{41,51}, O, O), open},
    {"holding the stomach",    S({35,35},{36,44}, {30,41},{32,43}, {37,42},{31,44}, {32,48},{30,51}, {40,48},{41,51}, O, O), pain},
    // 110 the ball drawn back behind the head for a two-handed throw: the face is laid over it
    {"two-handed overhead throw", S({35,34},{36,44}, {25,25},{39,19}, {48,27},{46,21}, {30,47},{27,51}, {42,47},{45,51}, O, O), grit, ball_behind(44, 17)},
    // 111
    {"jumping for joy",        S({35,34},{36,43}, {22,31},{20,22}, {46,31},{47,21}, {31,45},{33,49}, {41,45},{44,48}), open},
};
// clang-format on

static_assert(std::size(uniform_poses) == first_other_outfit_pose);

struct OtherOutfit {
    std::string_view name;
    Outfit outfit;
    int like;  // the uniform pose whose joints and prop it takes
};

// The other outfits, each in the moves it is made for: the dodgeball kit in the game's moves,
// the track suit training, the street clothes loafing and brawling, the gi in kata.
constexpr OtherOutfit other_poses[] = {
    {"kit: ready", Outfit::sports, 0},
    {"kit: crouching ready", Outfit::sports, 26},
    {"kit: running", Outfit::sports, 12},
    {"kit: running, other foot", Outfit::sports, 15},
    {"kit: throw wind-up", Outfit::sports, 57},
    {"kit: throw release", Outfit::sports, 58},
    {"kit: jump throw", Outfit::sports, 61},
    {"kit: catch high", Outfit::sports, 62},
    {"kit: catch to the chest", Outfit::sports, 63},
    {"kit: dodge", Outfit::sports, 68},
    {"kit: holding the ball", Outfit::sports, 65},
    {"kit: victory", Outfit::sports, 85},
    {"track suit: stance", Outfit::track, 0},
    {"track suit: running", Outfit::track, 16},
    {"track suit: stretching up", Outfit::track, 23},
    {"track suit: hands on hips", Outfit::track, 88},
    {"street: at ease", Outfit::street, 2},
    {"street: squatting", Outfit::street, 99},
    {"street: collar and fist", Outfit::street, 83},
    {"street: beckoning", Outfit::street, 89},
    {"gi: stance", Outfit::gi, 1},
    {"gi: straight", Outfit::gi, 35},
    {"gi: high kick", Outfit::gi, 47},
    {"gi: gathering power", Outfit::gi, 104},
};

static_assert(std::size(other_poses) == pose_count - first_other_outfit_pose);

std::vector<PoseSpec> build_catalogue() {
    std::vector<PoseSpec> poses;
    for (int i = 0; i < first_other_outfit_pose; ++i) {
        const Uniform& u = uniform_poses[i];
        poses.push_back(
            {u.name, u.body, u.mouth, Outfit::school, u.prop, pose_draws_head_in_front(i)});
    }
    for (const OtherOutfit& o : other_poses) {
        const Uniform& u = uniform_poses[o.like];
        poses.push_back({o.name, u.body, u.mouth, o.outfit, u.prop, false});
    }
    return poses;
}

}  // namespace

const PoseSpec& pose_spec(int index) {
    static const std::vector<PoseSpec> catalogue = build_catalogue();
    return catalogue.at(static_cast<std::size_t>(index));
}

}  // namespace kelvara::sheetgen
