// Start-up cost of sorting the sound event catalogue: the program's exchange
// sort of 1,000 events against std::stable_sort (the same byte order, the
// same stability) measured in the same run. Run by hand:
//   build/native/tests/bench/lv_sound_sort_bench
#include "config/SoundCatalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// Labels like the system's: a few words from a small vocabulary, with
// repeats (different applications share labels) and mixed letter case.
lv::SoundCatalogue makeCatalogue(std::size_t count, unsigned seed)
{
    static const char* words[] = {"Open", "Close", "program", "Exit", "Windows", "Start", "Menu", "popup",
                                  "Asterisk", "Critical", "Stop", "Default", "Beep", "beep", "Navigation",
                                  "Question", "Maximize", "Minimize", "Restore", "Up", "Down", "New", "Mail"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> word(0, std::size(words) - 1), length(1, 3);
    lv::SoundCatalogue c;
    for (std::size_t i = 0; i < count; ++i) {
        std::string label;
        for (std::size_t n = length(random); n > 0; --n)
            label += (label.empty() ? "" : " ") + std::string(words[word(random)]);
        c.labels.push_back(label);
        c.technicalNames.push_back("App" + std::to_string(i % 40) + "\\Event" + std::to_string(i));
    }
    return c;
}

template <class Sort>
double bestMilliseconds(const lv::SoundCatalogue& input, Sort sort, int runs)
{
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        lv::SoundCatalogue c = input;
        const auto start = std::chrono::steady_clock::now();
        sort(c);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void stableSortByLabel(lv::SoundCatalogue& c)
{
    std::vector<std::size_t> order(c.labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return static_cast<const std::string&>(c.labels[a]).compare(c.labels[b]) < 0;
    });
    lv::SoundCatalogue sorted;
    for (std::size_t i : order) {
        sorted.labels.push_back(c.labels[i]);
        sorted.technicalNames.push_back(c.technicalNames[i]);
    }
    c = std::move(sorted);
}

} // namespace

int main()
{
    std::printf("| events | exchange sort ms | std::stable_sort ms | ratio | budget |\n");
    std::printf("|---:|---:|---:|---:|---|\n");
    for (std::size_t count : {100u, 300u, 1000u, 3000u}) {
        const auto input = makeCatalogue(count, 7);
        // Both must give the same order, or the comparison means nothing.
        lv::SoundCatalogue a = input, b = input;
        lv::sortByLabel(a);
        stableSortByLabel(b);
        if (a.technicalNames != b.technicalNames) {
            std::fprintf(stderr, "the two sorts disagree for %zu events\n", count);
            return 1;
        }
        const double exchange = bestMilliseconds(input, lv::sortByLabel, 5);
        const double stable = bestMilliseconds(input, stableSortByLabel, 5);
        std::printf("| %zu | %.2f | %.3f | %.0f | %s |\n", count, exchange, stable, exchange / stable,
                    count == 1000 ? "< 100 ms" : "");
    }
    return 0;
}
