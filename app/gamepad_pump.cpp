// Gamepads for the main window: mapping file, polling, routing, rumble.
#include "app/gamepad_pump.h"

#include <QFileInfo>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "skin/file_read.h"

namespace ignivar::app {
namespace {

gamepad::Mapping read_mapping(const std::string& file, std::vector<std::string>& problems) {
    if (file.empty()) return gamepad::default_mapping();
    auto bytes = skin::read_regular_file(file, 64 * 1024);
    if (auto* data = std::get_if<std::vector<std::uint8_t>>(&bytes)) {
        std::vector<std::string> found;
        auto m = gamepad::parse_mapping(std::string_view(reinterpret_cast<const char*>(data->data()), data->size()),
                                        found);
        for (const std::string& p : found) problems.push_back(file + ", " + p);
        return m;
    }
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        problems.push_back(std::get<std::string>(bytes));
    } else {
        // Made once, so that the player finds what to change.
        std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
        std::ofstream(file) << gamepad::default_mapping_text();
    }
    return gamepad::default_mapping();
}

}  // namespace

GamepadPump::GamepadPump(TForm1& window, const std::string& mapping_file) : QObject(&window), window_(window) {
    auto mapping = read_mapping(mapping_file, problems_);
    const bool enabled = mapping.enabled;
    pads_ = std::make_unique<gamepad::Gamepads>(std::move(mapping), [this](input::Button b, bool pressed) {
        // Exactly what a key of that button does.
        window_.handle([&] {
            if (pressed) window_.controls().press(b);
            else window_.controls().release(b);
        });
    });
    if (!enabled) {
        unavailable_ = "gamepads are switched off in the mapping file";
        return;
    }
    if (!pads_->start(&unavailable_)) {
        unavailable_ = "gamepads cannot be read: " + unavailable_;
        return;
    }
    timer_.setInterval(kPollConnectedMs);
    connect(&timer_, &QTimer::timeout, this, &GamepadPump::poll);
    connect(&window_, &TForm1::changed, this, &GamepadPump::watch_the_game);
    // A pad plugged in makes its device node; SDL may see it only once its
    // permissions are set, a moment later.
    if (QFileInfo("/dev/input").isDir()) devices_.addPath("/dev/input");
    connect(&devices_, &QFileSystemWatcher::directoryChanged, this, [this] {
        for (int ms : {0, 300, 1500}) QTimer::singleShot(ms, this, &GamepadPump::poll);
    });
    poll();
}

GamepadPump::~GamepadPump() = default;

void GamepadPump::poll() {
    pads_->poll();
    // Often while a pad can be pressed; not at all while none is there.
    if (pads_->connected() > 0 && !timer_.isActive()) timer_.start();
    if (pads_->connected() == 0 && timer_.isActive()) timer_.stop();
}

void GamepadPump::watch_the_game() {
    const GameState& s = window_.unit().state();
    if (s.misses > misses_ && s.mode != kGameOver) pads_->rumble(150, 0.6);  // a miss: short
    if (s.mode == kGameOver && mode_ != kGameOver) pads_->rumble(700, 1.0);  // game over: long
    misses_ = s.misses;
    mode_ = s.mode;
}

}  // namespace ignivar::app
