// E2eCheck.cpp -- judges a run of the real program: its frames against quillora-trace's, its screenshots, and
// its captured sound against the moments the frames say each recording was sent.
//
//   quillora-e2e-check --dir RUN --data DATA --trace QUILLORA-TRACE
//
// RUN holds what run-e2e.sh left: recorder.log, pictures.rgb, actions.log, capture.raw and the screenshots.
// Prints one line per check; the exit status is 1 when any failed.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include "E2eCheck.h"

// A real frame and the trace's picture of it may differ in a few edge pixels of the figure (the X server's
// GL and the offscreen one rasterise a hair differently); neighbouring frames differ in thousands.
constexpr long SamePictureMostPixels = 400;
constexpr int PixelTolerance = 2;
constexpr long ScenePasses = 3;
constexpr long SceneFramesPerPass = 40;

static int Failures = 0;

void Report(bool passed, const char* step, const char* format, ...)
{
    std::printf("%s %s: ", passed ? "ok" : "FAILED", step);
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::printf("\n");
    if (!passed) Failures++;
}

// The first frame presented after a moment: a message that arrives then is handled right after that frame.
static long FirstFrameAfter(const RecorderLog& log, double time)
{
    for (const RealFrame& frame : log.Frames)
        if (frame.Time > time) return frame.Number;
    return -1;
}

static const RealFrame& Frame(const RecorderLog& log, long number)
{
    return log.Frames[static_cast<size_t>(number - 1)];
}

static bool SameState(const TraceState& a, const TraceState& b)
{
    return a.Scene == b.Scene && a.Passes == b.Passes && a.X == b.X && a.Z == b.Z && a.Heading == b.Heading;
}

static long CountPixels(const Rgb& picture, int left, int top, int right, int bottom, bool (*wanted)(const unsigned char*))
{
    long count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, picture.Height); y++)
        for (int x = std::max(left, 0); x < std::min(right, picture.Width); x++)
            if (wanted(&picture.Pixels[(static_cast<size_t>(y) * picture.Width + x) * 3])) count++;
    return count;
}

static bool FigureGrey(const unsigned char* p)
{
    return std::max({p[0], p[1], p[2]}) < 110 && std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) < 40;
}

static bool StronglyColoured(const unsigned char* p)
{
    return std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) > 100;
}

static bool LetterRed(const unsigned char* p)
{
    return p[0] > 120 && p[1] < 90 && p[2] < 90;
}

// Scene frames are presented one every 90 ms; how far apart they really were.
static double CheckPacing(const RecorderLog& log, long first, long count)
{
    std::vector<double> gaps;
    for (long number = first + 1; number <= first + count; number++)
        gaps.push_back(Frame(log, number).Time - Frame(log, number - 1).Time);
    std::sort(gaps.begin(), gaps.end());
    const double mean = (Frame(log, first + count).Time - Frame(log, first).Time) / static_cast<double>(count);
    // Frames begin at least 90 ms apart; when they are presented also depends on how long each took to draw.
    Report(mean >= 0.088 && mean <= 0.150, "frame pacing",
           "%ld scene frames, mean %.1f ms apart (shortest %.0f, median %.0f, longest %.0f ms); want 88 to 150 ms",
           count, mean * 1000, gaps.front() * 1000, gaps[gaps.size() / 2] * 1000, gaps.back() * 1000);
    return mean;
}

static const ScriptAction* FindAction(const std::vector<ScriptAction>& actions, const char* kind)
{
    for (const ScriptAction& action : actions)
        if (action.Kind == kind) return &action;
    return nullptr;
}

// Every compared frame shows what the trace drew at that frame (its shot is FILES-N.png for trace frame N).
static void CompareWithTrace(const RecorderLog& log, const std::string& dir, const std::string& files,
                             const std::set<long>& shots, const std::function<long(long)>& real, const char* step)
{
    long worst = 0;
    long worstFrame = 0;
    std::vector<long> mismatched;
    long compared = 0;
    for (long frame : shots) {
        if (real(frame) > static_cast<long>(log.Frames.size()) || Frame(log, real(frame)).Picture < 0) continue;
        compared++;
        Rgb shown;
        Rgb wanted;
        const bool read =
            ReadRecordedPicture(dir + "/pictures.rgb", log.Width, log.Height, Frame(log, real(frame)).Picture, &shown) &&
            ReadPng(files + std::to_string(frame) + ".png", &wanted);
        const long differing = read ? DifferingPixels(shown, wanted, PixelTolerance) : log.Width * log.Height;
        if (differing > worst) {
            worst = differing;
            worstFrame = frame;
        }
        if (differing > SamePictureMostPixels) mismatched.push_back(frame);
    }
    std::string list;
    for (long frame : mismatched) list += " " + std::to_string(frame);
    Report(mismatched.empty() && compared > 0, step,
           "%ld frames compared; most differing pixels %ld (trace frame %ld), allowed %ld; mismatched:%s", compared,
           worst, worstFrame, SamePictureMostPixels, mismatched.empty() ? " none" : list.c_str());
}

// Back at the menu, the script pressed a letter's key twice: the first press names the letter, the second opens
// its scene. A trace that presses the same key before its frames 2 and 3 draws that scene from its frame 3 on,
// as the real window does from the first frame after the second press; it adds the sounds to hear.
static void CheckLetterKey(const RecorderLog& log, const std::string& dir, const std::string& data,
                           const std::string& trace, const std::vector<ScriptAction>& actions, double period,
                           std::vector<ExpectedSound>& sounds)
{
    std::vector<size_t> keys;
    for (size_t i = 0; i < actions.size(); i++)
        if (actions[i].Kind == "key" && actions[i].Words.size() == 1) keys.push_back(i);
    if (keys.size() != 2 || keys[0] + 1 >= actions.size() || actions[keys[0] + 1].Kind != "pressed") {
        Report(false, "letter key", "the script logged no two presses of a letter's key");
        return;
    }
    const ScriptAction& first = actions[keys[0]];
    const ScriptAction& pressed = actions[keys[0] + 1];
    const ScriptAction& second = actions[keys[1]];
    long before = -1;  // the menu's picture when the second press came
    long sceneFirst = -1;
    for (const RealFrame& frame : log.Frames) {
        if (frame.Time < second.Time) before = frame.Picture;
        if (frame.Time > second.Time && frame.Picture >= 0 && frame.Picture != before) {
            sceneFirst = frame.Number;
            break;
        }
    }
    const long lastFrame = static_cast<long>(log.Frames.size());
    if (sceneFirst < 0) {
        Report(false, "letter key", "no scene frames after the second press of \"%s\"", first.Words[0].c_str());
        return;
    }
    if (Frame(log, sceneFirst - 1).Time > second.Time && Frame(log, sceneFirst - 1).Picture < 0) sceneFirst--;
    const double pressToScene = Frame(log, sceneFirst).Time - second.Time;
    Report(pressToScene > 0 && pressToScene <= 0.300, "letter key",
           "the scene's first frame was presented %.0f ms after the second press of \"%s\"; want at most 300 ms",
           pressToScene * 1000, first.Words[0].c_str());

    constexpr long TraceSceneFirst = 3;
    auto real = [&](long traceFrame) { return traceFrame - TraceSceneFirst + sceneFirst; };
    const long frames = TraceSceneFirst + lastFrame - sceneFirst;
    std::string command = trace + " --data '" + data + "' --frames " + std::to_string(frames) + " --key " +
                          first.Words[0] + "@2 --key " + second.Words[0] + "@" + std::to_string(TraceSceneFirst);
    std::set<long> shots;
    for (long frame = TraceSceneFirst; frame <= frames; frame += 5) shots.insert(frame);
    for (long frame : shots) command += " --shot " + std::to_string(frame) + ":" + dir + "/trace-key-" + std::to_string(frame) + ".png";
    TraceOutput expected;
    if (!RunTrace(command, &expected) || static_cast<long>(expected.States.size()) != frames) {
        Report(false, "trace", "quillora-trace did not run: %s", command.c_str());
        return;
    }
    CompareWithTrace(log, dir, dir + "/trace-key-", shots, real, "the key's scene matches the trace");
    for (const TracePlay& play : PlaysOf(expected)) {
        if (play.Frame == 2 && play.Alias == "soundx") {
            sounds.push_back({play.File, "after key 1", first.Time, pressed.Time + period});
        } else if (play.Frame >= TraceSceneFirst) {
            const double sent = Frame(log, real(play.Frame)).Time;
            sounds.push_back({play.File, "after key frame " + std::to_string(play.Frame), sent, sent});
        }  // the trace's own start-up: the real menu had its cue long before
    }
}

// --heard CAPTURE RECORDING: whether the recording (16-bit mono) begins somewhere in the raw capture, as the
// sounds of the main run are judged: its first tenth of a second alike at the start of a stretch of sound.
static int JudgeHeard(const std::string& capturePath, const std::string& recordingPath)
{
    const std::vector<int16_t> capture = ReadCaptureLeft(capturePath);
    const std::vector<int16_t> recording = ReadMonoWav(recordingPath);
    const long leadIn = FirstAudible(recording);
    double best = 0;
    long at = -1;
    for (const SoundSpan& span : FindSounds(capture, CaptureRate / 20))
        for (long shift = -CaptureRate / 100; shift <= CaptureRate / 100; shift++) {
            if (span.Start + shift < 0 || leadIn < 0) continue;
            const double likeness = Correlation(capture, span.Start + shift, recording, leadIn, CaptureRate / 10);
            if (likeness > best) {
                best = likeness;
                at = span.Start + shift;
            }
        }
    Report(best > 0.9, "heard", "%s in the capture: likeness %.3f at %.2f s", recordingPath.c_str(), best,
           static_cast<double>(at) / CaptureRate);
    return best > 0.9 ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--heard") == 0) return JudgeHeard(argv[2], argv[3]);
    std::string dir;
    std::string data;
    std::string trace;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--dir") == 0) dir = argv[i + 1];
        if (std::strcmp(argv[i], "--data") == 0) data = argv[i + 1];
        if (std::strcmp(argv[i], "--trace") == 0) trace = argv[i + 1];
    }
    if (dir.empty() || data.empty() || trace.empty()) {
        std::fprintf(stderr, "usage: %s --dir RUN --data DATA --trace QUILLORA-TRACE\n", argv[0]);
        return 2;
    }

    RecorderLog log;
    if (!ReadRecorderLog(dir + "/recorder.log", &log) || log.Frames.size() < 2 || log.Width == 0) {
        Report(false, "frames", "the recorder saw no window or too few frames (%s/recorder.log)", dir.c_str());
        return 1;
    }
    const std::vector<ScriptAction> actions = ReadScriptActions(dir + "/actions.log");

    // The script's menu actions: two hovers, then the click on A. A hover is logged before the move is asked
    // for and again ("moved") once the pointer is there; the program handles it after its next frame.
    std::vector<std::pair<const ScriptAction*, const ScriptAction*>> hovers;
    for (size_t i = 0; i + 1 < actions.size(); i++)
        if (actions[i].Kind == "hover" && actions[i].Words.size() == 2 && actions[i + 1].Kind == "moved")
            hovers.emplace_back(&actions[i], &actions[i + 1]);
    const ScriptAction* click = FindAction(actions, "click");
    long unknown = 0;
    for (const RealFrame& frame : log.Frames)
        if (frame.Picture < 0) unknown++;
    Report(unknown * 10 <= static_cast<long>(log.Frames.size()), "recorder",
           "%ld of %zu frames were drawn over before the recorder could read them (at most a tenth may be)", unknown,
           log.Frames.size());
    if (click == nullptr || click->Words.size() != 2) {
        Report(false, "scene start", "the script logged no click");
        return 1;
    }

    // An idle menu is drawn once and left on show.
    const ScriptAction* idle = FindAction(actions, "idle");
    const ScriptAction* idleEnd = FindAction(actions, "idle-end");
    if (idle != nullptr && idleEnd != nullptr) {
        long presented = 0;
        for (const RealFrame& frame : log.Frames)
            if (frame.Time > idle->Time && frame.Time < idleEnd->Time) presented++;
        Report(presented == 0, "idle menu", "%ld frames presented in %.1f s of an idle menu; want none", presented,
               idleEnd->Time - idle->Time);
    } else {
        Report(false, "idle menu", "the script logged no idle second");
    }

    long menuPicture = -1;
    for (const RealFrame& frame : log.Frames)
        if (menuPicture < 0) menuPicture = frame.Picture;
    long sceneFirst = -1;
    for (const RealFrame& frame : log.Frames)
        if (frame.Time > click->Time && frame.Picture >= 0 && frame.Picture != menuPicture) {
            sceneFirst = frame.Number;
            break;
        }
    const long lastFrame = static_cast<long>(log.Frames.size());
    const long sceneFrames = ScenePasses * SceneFramesPerPass;
    if (sceneFirst < 0 || sceneFirst + sceneFrames > lastFrame) {
        Report(false, "scene start", "no scene frames after the click, or the run ended before the scene did");
        return 1;
    }
    // The first scene frame may have gone unseen.
    if (sceneFirst > 1 && Frame(log, sceneFirst - 1).Time > click->Time && Frame(log, sceneFirst - 1).Picture < 0)
        sceneFirst--;
    // The click is handled after the next frame, and the scene's first frame is the one after that.
    const double clickToScene = Frame(log, sceneFirst).Time - click->Time;
    Report(clickToScene > 0 && clickToScene <= 0.300, "scene start",
           "the scene's first frame was presented %.0f ms after the click; want at most 300 ms", clickToScene * 1000);
    const double period = CheckPacing(log, sceneFirst, sceneFrames);

    // The same run in quillora-trace: the same hovers and click, but none of the moves, clicks and keys the
    // script made during the scene. The menu's frames were not presented, so where the hovers and the click
    // fall in the program's own count of frames comes from the clock; from the scene's first frame on,
    // every frame was presented and trace frame T is real frame T - sceneStart + sceneFirst.
    const double menuStart = Frame(log, 1).Time;
    const long sceneStart = 1 + std::lround((Frame(log, sceneFirst).Time - menuStart) / period);
    auto real = [&](long traceFrame) { return traceFrame < sceneStart ? 1 : traceFrame - sceneStart + sceneFirst; };
    std::string command = trace + " --data '" + data + "' --frames " + std::to_string(sceneStart + sceneFrames);
    for (const auto& [hover, moved] : hovers) {
        const long handledBefore = 3 + static_cast<long>((moved->Time - menuStart) / period);
        command += " --move " + hover->Words[0] + "," + hover->Words[1] + "@" +
                   std::to_string(std::min(handledBefore, sceneStart - 1));
    }
    command += " --click " + click->Words[0] + "," + click->Words[1] + "@" + std::to_string(sceneStart);
    std::set<long> shots{1, sceneStart + sceneFrames};
    for (long frame = sceneStart; frame < sceneStart + sceneFrames; frame += 7) shots.insert(frame);
    for (long frame : {16L, 17L, 18L, 29L, 30L, 40L}) shots.insert(sceneStart + frame - 1);
    for (const ScriptAction& action : actions)
        if (action.Kind == "disturb") {
            const long after = FirstFrameAfter(log, action.Time);
            if (after >= sceneFirst && after + 1 < sceneFirst + sceneFrames) shots.insert(after + 1 - sceneFirst + sceneStart);
        }
    for (long frame : shots) command += " --shot " + std::to_string(frame) + ":" + dir + "/trace-" + std::to_string(frame) + ".png";
    TraceOutput expected;
    if (!RunTrace(command, &expected) || static_cast<long>(expected.States.size()) != sceneStart + sceneFrames) {
        Report(false, "trace", "quillora-trace did not run: %s", command.c_str());
        return 1;
    }

    CompareWithTrace(log, dir, dir + "/trace-", shots, real, "frames match the trace");

    // Between the compared frames: the picture changes exactly when the trace's figure moved, so no frame
    // was skipped, repeated or changed by the moves, clicks and keys sent during the scene.
    std::vector<long> offBeat;
    for (long frame = sceneStart + 1; frame < sceneStart + sceneFrames; frame++) {
        if (Frame(log, real(frame)).Picture < 0 || Frame(log, real(frame) - 1).Picture < 0) continue;
        const bool realChanged = Frame(log, real(frame)).Picture != Frame(log, real(frame) - 1).Picture;
        const bool traceChanged = !SameState(expected.States[static_cast<size_t>(frame - 2)],
                                             expected.States[static_cast<size_t>(frame - 3)]);
        if (realChanged != traceChanged) offBeat.push_back(frame);
    }
    std::string list;
    for (long frame : offBeat) list += " " + std::to_string(frame);
    Report(offBeat.empty(), "scene runs undisturbed",
           "%ld scene frames; trace frames whose change differs from the real window's:%s", sceneFrames,
           offBeat.empty() ? " none" : list.c_str());
    const TraceState& handBack = expected.States[static_cast<size_t>(sceneStart + sceneFrames - 2)];
    Report(handBack.Scene == 25 && Frame(log, sceneFirst + sceneFrames).Picture != Frame(log, sceneFirst + sceneFrames - 1).Picture,
           "back at the menu", "after %ld scene frames the trace is in scene %d and the real window shows a new picture",
           sceneFrames, handBack.Scene);
    // The screenshots a person would take.
    Rgb menuShot;
    Rgb traceMenu;
    ReadPng(dir + "/trace-1.png", &traceMenu);
    std::vector<Rgb> sceneShots;
    for (const ScriptAction& action : actions) {
        if (action.Kind != "shot" || action.Words.size() != 2) continue;
        Rgb shot;
        if (!ReadPng(action.Words[0], &shot)) {
            Report(false, "screenshot", "cannot read %s", action.Words[0].c_str());
            continue;
        }
        const std::string& role = action.Words[1];
        if (role == "menu") {
            menuShot = shot;
            const long differing = DifferingPixels(shot, traceMenu, PixelTolerance);
            const long figure = CountPixels(shot, 640, 220, shot.Width, 470, FigureGrey);
            const long letters = CountPixels(shot, 0, 0, 640, shot.Height, StronglyColoured);
            Report(shot.Width == 742 && shot.Height == 523 && differing <= SamePictureMostPixels && figure > 1500 &&
                       letters > 30000,
                   "menu screenshot", "%dx%d; %ld pixels differ from the trace's menu; %ld figure pixels; %ld letter pixels",
                   shot.Width, shot.Height, differing, figure, letters);
        } else if (role == "scene") {
            const long fromMenu = DifferingPixels(shot, menuShot, PixelTolerance);
            const long red = CountPixels(shot, 0, 0, shot.Width, shot.Height, LetterRed);
            const long fromLast = sceneShots.empty() ? -1 : DifferingPixels(shot, sceneShots.back(), PixelTolerance);
            Report(fromMenu > 50000 && red > 2000 && (sceneShots.empty() || fromLast > 1000), "scene screenshot",
                   "%s: %ld pixels differ from the menu, %ld red letter pixels, %ld differ from the shot before",
                   action.Words[0].c_str(), fromMenu, red, fromLast);
            sceneShots.push_back(shot);
        } else if (role == "back") {
            const long differing = DifferingPixels(shot, menuShot, PixelTolerance);
            Report(differing <= SamePictureMostPixels, "menu again", "%ld pixels differ from the first menu screenshot",
                   differing);
        }
    }

    // The sound of the mouse's part: every recording the trace played, at the moment it was sent. Letter names
    // are sent when the window procedure handles the move, right after the first frame that follows it; every
    // other recording is sent by a frame, after it is presented.
    std::vector<ExpectedSound> sounds;
    size_t namesSpoken = 0;
    for (const TracePlay& play : PlaysOf(expected)) {
        if (play.Alias == "soundx" && namesSpoken < hovers.size()) {
            sounds.push_back({play.File, "after hover " + std::to_string(namesSpoken + 1),
                              hovers[namesSpoken].first->Time, hovers[namesSpoken].second->Time + period});
            namesSpoken++;
        } else if ((play.Frame >= sceneStart || play.Frame <= 1) && real(play.Frame) <= lastFrame) {
            const double sent = Frame(log, std::max(real(play.Frame), 1L)).Time;
            sounds.push_back({play.File, "after frame " + std::to_string(play.Frame), sent, sent});
        }  // nothing else plays in the menu
    }
    CheckLetterKey(log, dir, data, trace, actions, period, sounds);
    JudgeSounds(dir, data, log, sounds);
    return Failures == 0 ? 0 : 1;
}
