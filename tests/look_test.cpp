// How the LCD looks: the exact look of the unit's own frames, pixel for
// pixel as before the real look came; the real look's segments fading on
// the unit's virtual time, their shadows, and the unlit ones at a strength.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "sim/state.h"
#include "skin/compositor.h"
#include "skin/skin.h"

namespace ignivar::test {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

skin::Skin unit_face(int scale) {
    skin::LoadRequest req;
    req.config_path = kDir + "/Config.ini";
    req.program_dir = kDir;
    req.scale = scale;
    req.search_current_dir = false;
    skin::Skin s;
    EXPECT_TRUE(skin::load_unit_face(req, s).ok());
    return s;
}

std::uint32_t frame_crc(const skin::Compositor& c) {
    return crc32(reinterpret_cast<const std::uint8_t*>(c.pixels()),
                 static_cast<std::size_t>(c.width()) * static_cast<std::size_t>(c.height()) * 4);
}

// Three faces: every segment lit, the alarm, and a moment of a game.
std::vector<Display> faces() {
    std::vector<Display> out;
    Display all;
    all.Vid_Show_All(true);
    out.push_back(all);
    Sim sim(1);
    sim.run("start\npress time\nrelease time\npress time\nrelease time\npress time\nrelease time\n");
    out.push_back(sim.driver.host()->unit().display());
    std::string coins;
    for (int i = 0; i < 200; ++i) coins += "0110100110010110"[i % 16];
    sim.run("coin " + coins + "\npress game_b\nrelease game_b\nwait 9000\npress right\nwait 100\npress shoot_left\nwait 120\n");
    out.push_back(sim.driver.host()->unit().display());
    return out;
}

// The exact look draws what it drew before the real look came, pixel for
// pixel: the checksums of those frames, at 1x and 3x.
TEST(Look, TheExactLookIsTodaysFrames) {
    const std::uint32_t today[2][3] = {{0x5bb1993c, 0x6f9a01ce, 0x160153bd}, {0x0eab2731, 0x506b96bc, 0xc3728174}};
    const std::vector<Display> shown = faces();
    for (int i = 0; i < 2; ++i) {
        const skin::Skin s = unit_face(i == 0 ? 1 : 3);
        for (std::size_t f = 0; f < shown.size(); ++f) {
            skin::Compositor c(s, i == 0 ? 1 : 3);
            c.update(shown[f]);
            EXPECT_EQ(frame_crc(c), today[i][f]) << "scale " << (i == 0 ? 1 : 3) << ", face " << f;
        }
    }
}

}  // namespace
}  // namespace ignivar::test
