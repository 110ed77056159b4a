#include "player/configure.h"

#include <cmath>

#include "base/number_format.h"
#include "base/text.h"
#include "player/commands.h"
#include "player/observed_properties.h"

OptionList program_options(const CoreSetup& setup) {
    return {
        {"wid", std::to_string(setup.video_window)},
        {"config", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"osc", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"input-cursor", "no"},
        {"cursor-autohide", "no"},
        {"vo", "gpu-next,gpu"},
        {"gpu-api", "d3d11"},
        {"hwdec", "auto-safe"},
        {"keep-open", "yes"},
        {"idle", "yes"},
        {"force-window", "yes"},
        {"resume-playback", "yes"},
        {"watch-later-directory", setup.watch_later_directory},
        {"volume-max", "100"},
        {"volume", std::to_string(saturate_to_i64(round_half_away(setup.volume)))},
        {"mute", setup.muted ? "yes" : "no"},
        {"osd-duration", "1500"},
        {"osd-font-size", "36"},
        {"audio-client-name", setup.client_name},
        // The core always records the position itself. Listing "start" here as well would also save
        // the start option that the previous resume set, and that stale second line would win at the
        // next start: every resume after the second would go back to the first saved point.
        {"watch-later-options", "aid,sid"},
        {"sub-auto", "fuzzy"},
    };
}

OptionList parse_user_options(std::string_view text) {
    OptionList options;
    while (true) {
        const size_t end = text.find(';');
        const std::string_view piece = text.substr(0, end);
        const size_t equals = piece.find('=');
        if (equals != std::string_view::npos)
            options.emplace_back(trim_white(piece.substr(0, equals)), trim_white(piece.substr(equals + 1)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return options;
}

namespace {

void set_option(const Core& core, const std::string& name, const std::string& value) {
    core.api.mpv_set_option_string(core.handle, c_string(name).c_str(), c_string(value).c_str());
}

}  // namespace

std::optional<int> configure_core(const Core& core, const CoreSetup& setup, void (*wake_up)(void*),
                                  void* wake_up_data) {
    for (const auto& [name, value] : program_options(setup)) set_option(core, name, value);
    for (const auto& [name, value] : parse_user_options(setup.user_options)) set_option(core, name, value);

    const int status = core.api.mpv_initialize(core.handle);
    if (status != 0) {
        core.api.mpv_terminate_destroy(core.handle);
        return status;
    }

#define TARNWICK_OBSERVE(id, name, mpv_name, format) core.api.mpv_observe_property(core.handle, name, mpv_name, format);
    TARNWICK_OBSERVED_PROPERTIES(TARNWICK_OBSERVE)
#undef TARNWICK_OBSERVE

    core.api.mpv_set_wakeup_callback(core.handle, wake_up, wake_up_data);
    return std::nullopt;
}
