// The plain driver of a fuzz target, for builds without libFuzzer (g++):
//   fuzz_NAME [RUNS] [--seed N] [--timeout-ms MS] [--max-len BYTES] [FILE...]
// Runs RUNS inputs (default 100000) made by mutating the target's seeds with
// a seeded generator, so a failing run is repeated exactly with its seed.
// FILEs are run as they are instead (a kept failing input). An input that
// runs longer than the time limit is a hang: the input is printed and the
// run fails. On a failed property, a sanitizer report or a fatal signal the
// input is printed in hexadecimal before the process ends.

#include "FuzzTarget.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include <unistd.h>

// Under AddressSanitizer its report ends the process: print the input first.
#if defined(__SANITIZE_ADDRESS__)
#define QUELVORA_HAVE_SANITIZER_HOOK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUELVORA_HAVE_SANITIZER_HOOK 1
#endif
#endif
#ifdef QUELVORA_HAVE_SANITIZER_HOOK
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

// The input being run, where the dying process can still print it.
constexpr size_t kMaxInput = 1 << 17;
uint8_t g_current[kMaxInput];
std::atomic<size_t> g_currentSize{0};
std::atomic<uint64_t> g_runIndex{0};
std::atomic<int64_t> g_startedNs{0};
std::atomic<bool> g_running{false};
uint64_t g_seed = 0;

void writeAll(const char *text, size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(2, text, n);
        if (w <= 0)
            return;
        text += w;
        n -= size_t(w);
    }
}

void writeText(const char *text) { writeAll(text, std::strlen(text)); }

// Only write(): this runs from signal handlers too.
void printCurrentInput()
{
    static std::atomic<bool> printed{false};
    if (printed.exchange(true))
        return;
    char line[160];
    const int n = std::snprintf(line, sizeof line, "\n== input %llu of the run with --seed %llu, %zu bytes:\n",
                                (unsigned long long)g_runIndex.load(), (unsigned long long)g_seed,
                                g_currentSize.load());
    writeAll(line, size_t(n));
    static const char digits[] = "0123456789abcdef";
    const size_t size = g_currentSize.load();
    for (size_t i = 0; i < size; ++i) {
        char b[3] = {digits[g_current[i] >> 4], digits[g_current[i] & 15], (i % 32 == 31) ? '\n' : ' '};
        writeAll(b, 3);
    }
    writeText("\n");
}

void onFatalSignal(int sig)
{
    printCurrentInput();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

void runOne(const std::string &input)
{
    const size_t n = std::min(input.size(), kMaxInput);
    std::memcpy(g_current, input.data(), n);
    g_currentSize = n;
    g_startedNs = nowNs();
    g_running = true;
    LLVMFuzzerTestOneInput(g_current, n);
    g_running = false;
}

// Mutations in the manner of libFuzzer's, without its coverage feedback.
class Mutator
{
public:
    Mutator(uint64_t seed, std::vector<std::string> seeds, size_t maxLen)
        : m_rng(seed), m_seeds(std::move(seeds)), m_maxLen(maxLen)
    {
        if (m_seeds.empty())
            m_seeds.push_back(std::string(1, '\0'));
        for (const std::string &s : m_seeds)
            for (size_t i = 1; i < s.size(); ++i)
                m_alphabet.push_back(s[i]);
        static const char common[] = "0123456789 ,.-+/:;_Ee\t\n\r!#<>\\'\"Pp\x1e\x00\xc3\xa9\xff";
        m_alphabet.insert(m_alphabet.end(), std::begin(common), std::end(common) - 1);
    }

    std::string next()
    {
        const unsigned kind = pick(20);
        std::string s;
        if (kind == 0) {
            s.resize(pick(64));
            for (char &c : s)
                c = char(m_rng());
        } else if (kind == 1) {
            s.resize(1 + pick(48));
            for (char &c : s)
                c = alpha();
            s[0] = char(m_rng() & 1);
        } else {
            s = (kind < 6 && !m_recent.empty()) ? m_recent[pick(m_recent.size())] : m_seeds[pick(m_seeds.size())];
            const unsigned steps = 1 + pick(6);
            for (unsigned i = 0; i < steps; ++i)
                mutate(s);
        }
        if (s.size() > m_maxLen)
            s.resize(m_maxLen);
        if (m_recent.size() < 256)
            m_recent.push_back(s);
        else
            m_recent[pick(m_recent.size())] = s;
        return s;
    }

private:
    size_t pick(size_t n) { return n == 0 ? 0 : size_t(m_rng() % n); }
    char alpha() { return m_alphabet[pick(m_alphabet.size())]; }

    void mutate(std::string &s)
    {
        // Position 0 is the field mode byte: mutate the rest mostly.
        const size_t at = s.size() <= 1 ? s.size() : 1 + pick(s.size() - 1);
        switch (pick(11)) {
        case 0: // flip a bit
            if (!s.empty())
                s[pick(s.size())] ^= char(1u << pick(8));
            break;
        case 1: // replace a character
            if (at < s.size())
                s[at] = alpha();
            break;
        case 2: // insert a character
            s.insert(s.begin() + long(at), alpha());
            break;
        case 3: { // delete a run
            if (at < s.size())
                s.erase(at, 1 + pick(std::min<size_t>(8, s.size() - at)));
            break;
        }
        case 4: { // duplicate a run
            if (at < s.size()) {
                const std::string run = s.substr(at, 1 + pick(16));
                s.insert(at, run);
            }
            break;
        }
        case 5: { // splice in a piece of a seed
            const std::string &other = m_seeds[pick(m_seeds.size())];
            if (other.size() > 1) {
                const size_t from = 1 + pick(other.size() - 1);
                s.insert(at, other.substr(from, 1 + pick(other.size() - from)));
            }
            break;
        }
        case 6: // a random byte
            s.insert(s.begin() + long(at), char(m_rng()));
            break;
        case 7: { // a long repetition: lengths past every slot and buffer
            if (at < s.size() && pick(4) == 0) {
                const std::string run = s.substr(at, 1 + pick(4));
                std::string big;
                const size_t times = 1 + pick(m_maxLen / (run.size() + 1) + 1);
                for (size_t i = 0; i < times && big.size() < m_maxLen; ++i)
                    big += run;
                s.insert(at, big);
            }
            break;
        }
        case 8: // a digit
            s.insert(s.begin() + long(at), char('0' + pick(10)));
            break;
        case 9: // cut
            if (at < s.size())
                s.resize(at);
            break;
        default: // switch the field mode
            if (!s.empty())
                s[0] ^= 1;
            break;
        }
    }

    std::mt19937_64 m_rng;
    std::vector<std::string> m_seeds;
    std::vector<std::string> m_recent;
    std::vector<char> m_alphabet;
    size_t m_maxLen;
};

std::string readFile(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char **argv)
{
    uint64_t runs = 100000;
    int64_t timeoutMs = 10000; // generous: CI machines are shared
    size_t maxLen = 1024;
    g_seed = 20261209;
    std::vector<const char *> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seed" && i + 1 < argc)
            g_seed = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--timeout-ms" && i + 1 < argc)
            timeoutMs = std::strtoll(argv[++i], nullptr, 10);
        else if (a == "--max-len" && i + 1 < argc)
            maxLen = std::min<size_t>(kMaxInput, std::strtoull(argv[++i], nullptr, 10));
        else if (!a.empty() && a[0] >= '0' && a[0] <= '9')
            runs = std::strtoull(a.c_str(), nullptr, 10);
        else
            files.push_back(argv[i]);
    }

    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(sig, onFatalSignal);
#ifdef QUELVORA_HAVE_SANITIZER_HOOK
    __sanitizer_set_death_callback(printCurrentInput);
#endif

    // The watchdog: an input that does not return in time is a hang.
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (g_running && nowNs() - g_startedNs > timeoutMs * 1000000) {
                writeText("\n== hang: an input ran past the time limit\n");
                printCurrentInput();
                std::_Exit(3);
            }
        }
    });

    const auto started = Clock::now();
    int64_t slowestNs = 0;
    uint64_t ran = 0;
    auto timed = [&](const std::string &input) {
        g_runIndex = ran;
        const int64_t t0 = nowNs();
        runOne(input);
        slowestNs = std::max(slowestNs, nowNs() - t0);
        ++ran;
    };
    if (!files.empty()) {
        for (const char *f : files)
            timed(readFile(f));
    } else {
        for (const std::string &s : fuzzSeeds())
            timed(s);
        Mutator mutator(g_seed, fuzzSeeds(), maxLen);
        while (ran < runs)
            timed(mutator.next());
    }
    done = true;
    watchdog.join();

    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("%s: %llu inputs, seed %llu, no failure, %.1f s, slowest input %.2f ms\n", argv[0],
                (unsigned long long)ran, (unsigned long long)g_seed, seconds, double(slowestNs) / 1e6);
    return 0;
}
