// One scheduled wallpaper change of a 12-megapixel JPEG, from the timer to
// the system call, against the conversion alone, in the same run (the file
// system and the system are the in-memory fakes, so both measure the
// program's own work). Run by hand: build/native/tests/bench/lv_updater_bench
#include "fakes/FakeClock.h"
#include "fakes/FakePlatform.h"
#include "imaging/ConvertImage.h"
#include "imaging/ImageTestSupport.h"
#include "updater/SeededRandom.h"
#include "updater/UpdaterRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

double medianMs(const std::function<void()>& work, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    constexpr int Width = 4000, Height = 3000, Runs = 7;
    lv::fakes::FakePlatform fx;
    lv::fakes::FakeClock clock;
    lv::SeededRandom random(1);
    const auto jpeg =
        lv::imaging::test::EncodeJpeg(lv::imaging::test::Gradient(Width, Height, 3), Width, Height, 3, 90, false);
    fx.files.addFile("C:\\pics\\big.jpg", jpeg);
    fx.registry.createKey(lv::RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
    const std::string ini = fx.files.programDirectory() + "lumivane3.ini";
    lv::ConfigFile config(fx.profile, ini);
    config.writeItem("Wallpaper", lv::ModeEnabled, 1, {"C:\\pics\\big.jpg"}, {"2"});
    config.writeInteger("scheduler", "paper", 1);
    config.writeInteger("scheduler", "papertime", 1);

    lv::UpdaterRun run(lv::UpdaterPorts{fx.platform(), clock, random, true});
    if (!run.begin())
        return 1;
    const lv::imaging::ImageConversion ports{fx.files, fx.ui, lv::imaging::PictureDepth::TrueColor};
    const double conversion = medianMs([&] { lv::imaging::ConvertImageToBitmap(ports, "C:\\pics\\big.jpg", true); }, Runs);
    const std::size_t before = fx.system.wallpapersSet.size();
    const double change = medianMs(
        [&] {
            clock.advanceMinutes(1);
            run.onClock();
        },
        Runs);
    if (fx.system.wallpapersSet.size() != before + Runs)
        return 1;
    std::printf("| JPEG %d x %d, %zu bytes | conversion alone %.0f ms | scheduled change %.0f ms | ratio %.3f |\n",
                Width, Height, jpeg.size(), conversion, change, change / conversion);
    return 0;
}
