// The window with the monitor running for minutes of the simulated clock
// against the simulated unit, page after page, its events (painting
// included) handled after every tick as the event loop does, the datalog
// recording: after a warm-up the heap in use stays flat (the sanitizer run
// adds its leak check at exit). TORVANA_SOAK_WINDOW_MINUTES sets the length.

#include "WindowFixture.h"
#include "ui/log/LogWiring.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime exports its allocator's count; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace torvana {
namespace {

constexpr int DefaultMinutes = 2;
constexpr int WarmUpMinutes = 5;  // the simulated engine is warm after four
constexpr int MillisecondsPerMinute = 60 * 1000;
constexpr int TicksPerMinute = MillisecondsPerMinute / TickMilliseconds;
constexpr int TicksPerPage = 220;  // one throttle cycle of the simulated engine
// Every kind of marked table: curves, positions, knock, corrections.
constexpr std::array<int, 4> SoakPages = {0, 9, 11, 13};
constexpr double AllowedBytesPerHour = 1024.0 * 1024.0;
constexpr double AllocatorNoiseBytes = 64.0 * 1024.0;  // the leak it guards against took megabytes a minute
constexpr double MinutesPerHour = 60.0;

std::size_t HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

int SoakMinutes()
{
    const char* text = std::getenv("TORVANA_SOAK_WINDOW_MINUTES");
    const int minutes = text ? std::atoi(text) : DefaultMinutes;
    return minutes > 0 ? minutes : DefaultMinutes;
}

TEST_F(WindowTest, MonitorRunningForMinutesKeepsTheHeapFlat)
{
    const int minutes = SoakMinutes();
    TFormHlav& w = Start();
    w.show();
    int tick = 0;
    // The window's clock follows the simulated one: a wall clock would keep
    // whole minutes of log rows and trail points as one second's worth.
    w.Logs().SetClock([&tick] { return std::int64_t{tick} * TickMilliseconds; });
    auto run = [&](int count) {
        for (int i = 0; i < count; ++i, ++tick) {
            if (tick % TicksPerPage == 0)
                w.Controls().pageControl1->setCurrentIndex(SoakPages[(tick / TicksPerPage) % SoakPages.size()]);
            Tick();
            QCoreApplication::processEvents();
        }
    };
    run(WarmUpMinutes * TicksPerMinute);
    ASSERT_GT(w.Live().LiveRpm, 0) << "no monitor frames";
    const std::size_t before = HeapInUse();
    run(minutes * TicksPerMinute);
    const double grown = static_cast<double>(HeapInUse()) - static_cast<double>(before);
    std::printf("heap %zu bytes after warm-up, %+.0f bytes after %d more minutes\n", before, grown, minutes);
    EXPECT_LE(grown, AllocatorNoiseBytes + AllowedBytesPerHour * minutes / MinutesPerHour);
}

}  // namespace
}  // namespace torvana
