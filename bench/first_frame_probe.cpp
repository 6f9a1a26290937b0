// Starts programs under an X server and measures, for each, the time from
// starting the process to its first painted frame and its resident memory at
// that moment. A frame counts as painted once the middle of the program's
// window is no longer the black of the empty screen.
//
//   first_frame_probe RUNS PROGRAM [BASELINE...]
//
// Runs alternate between the programs; medians are printed, with the first
// program's ratios to each baseline.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    long residentKilobytes;
};

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return a;
}

std::optional<std::uint32_t> windowPid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pidAtom) {
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<std::uint32_t> pid;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

// Whether a viewable top-level window of pid shows anything but black in its
// middle.
bool painted(xcb_connection_t* c, xcb_window_t root, xcb_atom_t pidAtom, pid_t pid) {
    auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return false;
    bool seen = false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !seen; ++i) {
        const xcb_window_t w = children[i];
        auto* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (!viewable || windowPid(c, w, pidAtom) != static_cast<std::uint32_t>(pid))
            continue;
        auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
        if (!geometry)
            continue;
        if (geometry->width > 8 && geometry->height > 8) {
            const auto x = static_cast<std::int16_t>(geometry->x + geometry->width / 2);
            const auto y = static_cast<std::int16_t>(geometry->y + geometry->height / 2);
            auto* image = xcb_get_image_reply(
                c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, y, 1, 1, 0x00ffffff),
                nullptr);
            if (image) {
                const std::uint8_t* data = xcb_get_image_data(image);
                const int length = xcb_get_image_data_length(image);
                seen =
                    std::any_of(data, data + std::min(length, 3), [](std::uint8_t b) { return b; });
            }
            std::free(image);
        }
        std::free(geometry);
    }
    std::free(tree);
    return seen;
}

std::optional<Sample> measure(xcb_connection_t* c, xcb_window_t root, xcb_atom_t pidAtom,
                              const char* program) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<Sample> sample;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (painted(c, root, pidAtom, pid)) {
            const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
            sample = Sample{spent.count(), residentKilobytes(pid)};
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // let the screen clear
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [BASELINE...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<const char*> programs(argv + 2, argv + argc);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_frame_probe: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");

    std::vector<std::vector<double>> times(programs.size()), memory(programs.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto sample = measure(c, root, pidAtom, programs[p]);
            if (!sample) {
                std::fprintf(stderr, "first_frame_probe: %s showed no frame\n", programs[p]);
                return 1;
            }
            times[p].push_back(sample->milliseconds);
            memory[p].push_back(static_cast<double>(sample->residentKilobytes));
        }

    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("%-40s first frame %7.1f ms   resident %7.0f KiB   (median of %d)\n",
                    programs[p], median(times[p]), median(memory[p]), runs);
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("%s against %s: time %.2fx, memory %.2fx\n", programs[0], programs[p],
                    median(times[0]) / median(times[p]), median(memory[0]) / median(memory[p]));
    xcb_disconnect(c);
    return 0;
}
