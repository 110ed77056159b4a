// What every file type the program offers to open holds, and one small sample of it. The format
// check reads this table three ways: every offered pattern has a row (a unit test), the built
// libmpv-2.dll has each row's demuxer and usual codecs, and each row's sample plays through the
// real DLL with the program's own options (the end-to-end format matrix).
#pragma once

#include <string_view>

enum class SampleKind : unsigned char { video, subtitle };

struct FormatSample {
    std::string_view extension;
    SampleKind kind;
    std::string_view demuxer;  // libavformat's name, as the DLL lists it
    std::string_view codecs;   // the usual codecs of such files, space-separated ffmpeg codec names
    // Video: the arguments Debian's ffmpeg writes the sample with, after a short test picture and
    // tone. Subtitle: the file's text, or empty for a bitmap format the matrix writes itself.
    std::string_view recipe;
    std::string_view not_sampled;  // the usual codecs no sample here holds, and why
};

inline constexpr FormatSample kFormatSamples[] = {
    {"mp4", SampleKind::video, "mov", "h264 hevc mpeg4 av1 aac mp3 ac3 opus",
     "-c:v libx264 -c:a aac -f mp4", ""},
    {"m4v", SampleKind::video, "mov", "h264 mpeg4 aac ac3", "-c:v libx264 -c:a aac -f mp4", ""},
    {"mkv", SampleKind::video, "matroska", "h264 hevc vp9 av1 mpeg4 aac opus vorbis flac ac3 eac3 dts truehd",
     "-c:v libx264 -c:a ac3 -f matroska", ""},
    {"webm", SampleKind::video, "matroska", "vp8 vp9 av1 opus vorbis", "-c:v libvpx-vp9 -c:a libopus -f webm",
     ""},
    {"avi", SampleKind::video, "avi", "mpeg4 msmpeg4v3 h264 mjpeg mp3 ac3 pcm_s16le",
     "-c:v mpeg4 -c:a libmp3lame -f avi", ""},
    {"mov", SampleKind::video, "mov", "h264 hevc mjpeg aac alac pcm_s16le", "-c:v libx264 -c:a aac -f mov", ""},
    {"wmv", SampleKind::video, "asf", "wmv1 wmv2 wmv3 vc1 wmav1 wmav2 wmapro wmavoice",
     "-c:v wmv2 -c:a wmav2 -f asf", "WMV 9 and VC-1: Debian's ffmpeg has no encoder for them"},
    {"flv", SampleKind::video, "flv", "flv1 vp6f vp6a h264 mp3 aac nellymoser adpcm_swf",
     "-c:v flv -c:a libmp3lame -f flv", "VP6: Debian's ffmpeg has no encoder for it"},
    {"mpg", SampleKind::video, "mpeg", "mpeg1video mpeg2video mp2 mp3 ac3", "-c:v mpeg1video -c:a mp2 -f mpeg", ""},
    {"mpeg", SampleKind::video, "mpeg", "mpeg2video mpeg1video mp2 ac3", "-c:v mpeg2video -c:a mp2 -f mpeg", ""},
    {"ts", SampleKind::video, "mpegts", "h264 hevc mpeg2video aac mp2 ac3 eac3", "-c:v libx264 -c:a aac -f mpegts",
     ""},
    {"m2ts", SampleKind::video, "mpegts", "h264 vc1 mpeg2video hevc ac3 eac3 dts truehd pcm_bluray",
     "-c:v libx264 -c:a ac3 -f mpegts -mpegts_m2ts_mode 1", "VC-1: Debian's ffmpeg has no encoder for it"},
    {"mts", SampleKind::video, "mpegts", "h264 ac3 pcm_bluray", "-c:v libx264 -c:a ac3 -f mpegts -mpegts_m2ts_mode 1",
     ""},
    {"3gp", SampleKind::video, "mov", "h263 h264 mpeg4 aac amr_nb amr_wb", "-c:v h263 -c:a aac -ac 1 -f 3gp",
     "AMR: Debian's ffmpeg has no AMR encoder"},
    {"ogv", SampleKind::video, "ogg", "theora vp8 vorbis opus flac", "-c:v libtheora -c:a libvorbis -f ogg", ""},
    {"vob", SampleKind::video, "mpeg", "mpeg2video mpeg1video ac3 mp2 pcm_dvd",
     "-c:v mpeg2video -c:a ac3 -f vob", ""},
    {"divx", SampleKind::video, "avi", "mpeg4 msmpeg4v3 mp3 ac3", "-c:v mpeg4 -vtag DX50 -c:a libmp3lame -f avi", ""},
    {"f4v", SampleKind::video, "mov", "h264 aac mp3", "-c:v libx264 -c:a aac -f f4v", ""},
    {"asf", SampleKind::video, "asf", "wmv1 wmv2 wmv3 vc1 wmav1 wmav2", "-c:v wmv1 -c:a wmav1 -f asf",
     "WMV 9 and VC-1: Debian's ffmpeg has no encoder for them"},
    {"rm", SampleKind::video, "rm", "rv10 rv20 rv30 rv40 cook ra_144 ra_288 sipr atrac3 aac",
     "-c:v rv10 -c:a real_144 -ar 8000 -ac 1 -f rm",
     "RealVideo 3 and 4, Cook, RealAudio 2.0: Debian's ffmpeg has no encoder for them"},
    {"rmvb", SampleKind::video, "rm", "rv40 rv30 rv20 cook aac ac3", "-c:v rv20 -c:a ac3 -f rm",
     "RealVideo 3 and 4, Cook: Debian's ffmpeg has no encoder for them"},

    {"srt", SampleKind::subtitle, "srt", "subrip", "1\r\n00:00:00,000 --> 00:00:05,000\r\nHello\r\n\r\n", ""},
    {"ass", SampleKind::subtitle, "ass", "ass",
     "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, "
     "SecondaryColour, OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, "
     "Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\nStyle: Default,Arial,"
     "20,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,1\n\n[Events]\nFormat: "
     "Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\nDialogue: 0,0:00:00.00,0:00:05.00,"
     "Default,,0,0,0,,Hello\n",
     ""},
    {"ssa", SampleKind::subtitle, "ass", "ass",
     "[Script Info]\nScriptType: v4.00\n\n[V4 Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, "
     "SecondaryColour, TertiaryColour, BackColour, Bold, Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, "
     "MarginR, MarginV, AlphaLevel, Encoding\nStyle: Default,Arial,20,16777215,255,0,0,0,0,1,1,0,2,10,10,10,0,1\n\n"
     "[Events]\nFormat: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\nDialogue: "
     "Marked=0,0:00:00.00,0:00:05.00,Default,,0000,0000,0000,,Hello\n",
     ""},
    {"vtt", SampleKind::subtitle, "webvtt", "webvtt", "WEBVTT\n\n00:00:00.000 --> 00:00:05.000\nHello\n", ""},
    {"sub", SampleKind::subtitle, "microdvd", "microdvd", "{0}{50}Hello\n{60}{100}from\n{110}{150}MicroDVD\n", ""},
    {"idx", SampleKind::subtitle, "vobsub", "dvd_subtitle", "", ""},
    {"sup", SampleKind::subtitle, "sup", "hdmv_pgs_subtitle", "", ""},
    {"smi", SampleKind::subtitle, "sami", "sami",
     "<SAMI>\n<HEAD><TITLE>Sample</TITLE></HEAD>\n<BODY>\n<SYNC Start=0><P Class=ENCC>Hello</P></SYNC>\n"
     "<SYNC Start=5000><P Class=ENCC>&nbsp;</P></SYNC>\n</BODY>\n</SAMI>\n",
     ""},
    {"txt", SampleKind::subtitle, "mpl2", "mpl2", "[0][20]Hello\n[21][40]from\n[41][60]MPL2\n", ""},
};
