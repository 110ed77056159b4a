#include "app/playback/track_labels.h"

#include <algorithm>
#include <array>

#include "app/settings/language.h"

namespace {

struct LanguageName {
    std::array<const char*, 3> codes;  // unused slots are null
    Text name;
};

constexpr LanguageName kLanguageNames[] = {
    {{"fr", "fre", "fra"}, {"French", "Français"}},
    {{"en", "eng", nullptr}, {"English", "Anglais"}},
    {{"de", "ger", "deu"}, {"German", "Allemand"}},
    {{"es", "spa", nullptr}, {"Spanish", "Espagnol"}},
    {{"it", "ita", nullptr}, {"Italian", "Italien"}},
    {{"pt", "por", nullptr}, {"Portuguese", "Portugais"}},
    {{"nl", "dut", "nld"}, {"Dutch", "Néerlandais"}},
    {{"ru", "rus", nullptr}, {"Russian", "Russe"}},
    {{"ja", "jpn", nullptr}, {"Japanese", "Japonais"}},
    {{"zh", "chi", "zho"}, {"Chinese", "Chinois"}},
    {{"ko", "kor", nullptr}, {"Korean", "Coréen"}},
    {{"ar", "ara", nullptr}, {"Arabic", "Arabe"}},
    {{"und", nullptr, nullptr}, {"", ""}},
};

constexpr Text kTrack{"Track ", "Piste "};
constexpr Text kStereo{"stereo", "stéréo"};
constexpr Text kChannels{" channels", " canaux"};
constexpr Text kExternal{" [external]", " [externe]"};
constexpr Text kDefault{" [default]", " [défaut]"};
constexpr Text kOff{"off", "désactivés"};

std::string channel_text(int64_t channels) {
    switch (channels) {
        case 0:
            return {};
        case 1:
            return "mono";
        case 2:
            return pick(kStereo);
        case 6:
            return "5.1";
        case 8:
            return "7.1";
        default:
            return std::to_string(channels) + pick(kChannels);
    }
}

std::string label_head(const Track& track) {
    const std::string name = track.lang.empty() ? std::string() : language_name(track.lang);
    if (!track.title.empty()) {
        if (name.empty()) return track.title;
        if (name == track.title) return name;
        return name + " — " + track.title;
    }
    if (!name.empty()) return name;
    return pick(kTrack) + std::to_string(track.id);
}

}  // namespace

std::string language_name(std::string_view code) {
    std::string lower(code);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower.size() == 2 || lower.size() == 3) {
        for (const auto& entry : kLanguageNames)
            for (const char* listed : entry.codes)
                if (listed && lower == listed) return pick(entry.name);
    }
    return lower;
}

std::string track_label(const Track& track) {
    std::string label = label_head(track);
    std::string details = track.codec;
    const std::string channels = channel_text(track.channels);
    if (!channels.empty()) details += (details.empty() ? "" : ", ") + channels;
    if (!details.empty()) label += " (" + details + ")";
    if (track.external) label += pick(kExternal);
    if (track.is_default) label += pick(kDefault);
    return label;
}

std::string selection_label(const std::vector<Track>& tracks, int64_t id) {
    // A track whose id could not be read also has id 0; selecting 0 still means "off".
    if (id != 0) {
        const auto it = std::find_if(tracks.begin(), tracks.end(), [id](const Track& t) { return t.id == id; });
        if (it != tracks.end()) return track_label(*it);
    }
    return pick(kOff);
}

std::optional<int64_t> next_track_id(const std::vector<Track>& tracks, TrackKind kind) {
    std::vector<int64_t> ids;
    ids.reserve(tracks.size() + 1);
    for (const Track& t : tracks) ids.push_back(t.id);
    if (kind == TrackKind::subtitle) ids.push_back(0);
    if (ids.size() <= 1) return std::nullopt;

    const auto selected = std::find_if(tracks.begin(), tracks.end(), [](const Track& t) { return t.selected; });
    const int64_t current = selected == tracks.end() ? 0 : selected->id;
    const auto found = std::find(ids.begin(), ids.end(), current);
    if (found == ids.end()) return ids.front();
    const size_t next = (static_cast<size_t>(found - ids.begin()) + 1) % ids.size();
    return ids[next];
}
