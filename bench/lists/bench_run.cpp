// The barcode run on realistic merge lists of 10,000 and 1,000,000 records:
// records per second, the time against a plain copy of the same file, and the
// peak memory of each case, measured in a process of its own.
//
//   zolvane_bench_run [--records N ...] [--folder DIR]

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lists/barcode_run.h"
#include "lists/field_guess.h"
#include "lists/source.h"
#include "settings/prefs.h"

namespace {

using namespace zolvane;
using settings::PrefLine;
namespace fs = std::filesystem;

void MakeList(const fs::path& path, std::size_t records) {
    static const char* first[] = {"Margaret", "Samuel", "Linda", "Grace",  "Robert", "Patricia",
                                  "James",    "Luis",   "Karen", "Thomas", "Susan",  "Anthony"};
    static const char* last[] = {"Ellison", "Okafor",    "Marquez",   "Thompson", "Chen", "Novak",
                                 "O'Neill", "Hernandez", "Whitfield", "Baker",    "Park", "Russo"};
    static const char* streets[] = {"Maple Grove Ave", "W Jefferson St", "Lakeview Dr",
                                    "Main St",         "N Clark St",     "Oak Park Blvd",
                                    "S Second St",     "Elm Ct",         "Ridge Rd",
                                    "Broadway",        "Cherry Ln",      "Market Sq"};
    static const char* units[] = {"Apt 4B",   "Ste 300", "# 12",       "Unit 210",
                                  "Apt 1203", "Lot 37",  "Fl 2 Ste 5", "Rm 105"};
    static const char* cities[] = {"Springfield,IL", "Peoria,IL", "Bloomington,IL",
                                   "Naperville,IL",  "Galena,IL", "Chicago,IL",
                                   "Decatur,IL",     "Urbana,IL"};
    std::mt19937_64 rng(7);
    std::ofstream out(path, std::ios::binary);
    std::string line = "Name,Company,Address,City,State,Zip,Zip4\r\n";
    out << line;
    for (std::size_t i = 0; i < records; ++i) {
        line.clear();
        line += first[rng() % 12];
        line += ' ';
        line += last[rng() % 12];
        line += (rng() % 5 == 0) ? ",\"Acme, Inc.\"," : ",,";
        const unsigned kind = rng() % 10;
        if (kind < 5) {
            line += std::to_string(1 + rng() % 9999) + " " + streets[rng() % 12];
        } else if (kind < 8) {
            line += std::to_string(1 + rng() % 9999) + " " + streets[rng() % 12] + " " +
                    units[rng() % 8];
        } else if (kind == 8) {
            line += "PO Box " + std::to_string(1 + rng() % 99999);
        } else {
            line +=
                "RR " + std::to_string(1 + rng() % 9) + " Box " + std::to_string(1 + rng() % 999);
        }
        line += ',';
        line += cities[rng() % 8];
        char zip[16];
        std::snprintf(zip, sizeof zip, ",%05u,%04u\r\n", unsigned(rng() % 100000),
                      unsigned(rng() % 10000));
        line += zip;
        out << line;
    }
}

double CopyFile(const fs::path& from, const fs::path& to) {
    auto start = std::chrono::steady_clock::now();
    int in = ::open(from.c_str(), O_RDONLY);
    fs::path temp = to;
    temp += ".tmp";
    int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(1 << 18);
    ssize_t n;
    while ((n = ::read(in, buffer.data(), buffer.size())) > 0) {
        if (::write(out, buffer.data(), static_cast<std::size_t>(n)) != n) std::abort();
    }
    ::fsync(out);
    ::close(out);
    ::close(in);
    fs::rename(temp, to);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

settings::Prefs PrefsFor(const std::string& mode) {
    settings::Prefs p;
    p.Put(PrefLine::BarcodeKind, mode == "postnet" ? "1" : "0");
    p.Put(PrefLine::BarcodeOutput, mode == "imb-barcodes-only" ? "1" : "0");
    p.Put(PrefLine::FrameBar, "/");
    p.Put(PrefLine::MailerId, "123456");
    p.Put(PrefLine::NextSerial, "1");
    p.Put(PrefLine::MailClass, "0");
    p.Put(PrefLine::ImbService, "1");
    p.Put(PrefLine::AddressCorrection, "0");
    p.Put(PrefLine::Confirm, "f");
    p.Put(PrefLine::SerialOption, "0");
    return p;
}

// One case, in this process: prints seconds and records.
int RunCase(const fs::path& list, const std::string& mode) {
    auto prefs = PrefsFor(mode);
    auto start = std::chrono::steady_clock::now();
    auto opened = lists::OpenMailingList(list);
    if (!opened.source) return 1;
    auto fields = lists::GuessFields(*opened.source, prefs);
    lists::RunOutput output;
    output.barcodesOnly = mode == "imb-barcodes-only";
    output.barcodesOnlyPath = list.parent_path() / "Barcode.txt";
    output.barcodesOnlyName = "Barcode.txt";
    lists::RunHooks hooks;
    hooks.saveNextSerial = [](std::int64_t) { return std::string(); };
    auto result = lists::RunBarcodes(*opened.source, fields, prefs, output, hooks);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.completed) return 1;
    std::printf("%.6f %zu\n", seconds, result.counts.added);
    return 0;
}

struct Measured {
    double seconds = 0;     // wall time of the case
    double cpuSeconds = 0;  // user + system time of the case's process
    long peakKiB = 0;
};

Measured InChild(const char* self, const std::vector<std::string>& args) {
    int pipefd[2];
    if (::pipe(pipefd) != 0) std::abort();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipefd[1], 1);
        ::close(pipefd[0]);
        std::vector<char*> argv = {const_cast<char*>(self)};
        for (auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(self, argv.data());
        ::_exit(127);
    }
    ::close(pipefd[1]);
    char buffer[256] = {};
    ssize_t got = ::read(pipefd[0], buffer, sizeof buffer - 1);
    ::close(pipefd[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    Measured m;
    if (got > 0) m.seconds = std::atof(buffer);
    m.peakKiB = usage.ru_maxrss;
    m.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) m.seconds = -1;
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--case") == 0) return RunCase(argv[2], argv[3]);
    std::vector<std::size_t> sizes;
    fs::path folder = fs::temp_directory_path() / "zolvane-bench-run";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--records") == 0 && i + 1 < argc)
            sizes.push_back(std::strtoul(argv[++i], nullptr, 10));
        if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) folder = argv[++i];
    }
    if (sizes.empty()) sizes = {10'000, 1'000'000};
    fs::create_directories(folder);
    std::printf("%-10s %-20s %10s %12s %10s %14s %9s\n", "records", "case", "wall s", "records/s",
                "cpu s", "records/cpu-s", "peak KiB");
    std::printf("%-10s %-20s %10s %12s %10s %14s %9s\n", "", "", "", "(vs copy)", "", "", "");
    for (std::size_t n : sizes) {
        const fs::path master = folder / ("master-" + std::to_string(n) + ".txt");
        MakeList(master, n);
        const fs::path list = folder / "list.txt";
        const double copy = CopyFile(master, list);
        std::printf("%-10zu %-20s %10.3f %12.0f\n", n, "plain copy", copy, n / copy);
        for (const char* mode : {"postnet", "imb", "imb-barcodes-only"}) {
            CopyFile(master, list);
            Measured m = InChild(argv[0], {"--case", list.string(), mode});
            if (m.seconds < 0) {
                std::printf("%-10zu %-20s failed\n", n, mode);
                return 1;
            }
            std::printf("%-10zu %-20s %10.3f %12.0f %10.3f %14.0f %9ld\n", n, mode, m.seconds,
                        n / m.seconds, m.cpuSeconds, n / m.cpuSeconds, m.peakKiB);
            std::printf("%-10s %-20s %10s %11.2fx\n", "", "", "", m.seconds / copy);
        }
        fs::remove(master);
    }
    fs::remove_all(folder);
    return 0;
}
