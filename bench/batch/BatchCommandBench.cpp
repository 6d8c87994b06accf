// tessaly-batch as a whole process, as a script runs it: a program folder with its import
// settings, a project holding the article label on "AVERY 5160" sheets, a CSV of N articles,
// then `tessaly-batch --folder … project.tly --import articles.csv --pdf out.pdf`. Reports labels
// per second, the child's peak memory and how many times faster it is than the published times
// of the batch mode users compare us with (12 s for 1,000 records, 220 s for 10,000).
#include "print/ArticleLabel.h"

#include "data/csv/ImportSettings.h"
#include "labelshapes/LabelShapes.h"
#include "project/ProjectFile.h"

#include "common/OffscreenMain.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tessaly::bench {
namespace {

const std::map<int, double> kPeerSeconds = {{1000, 12.0}, {10000, 220.0}};

struct ProgramSetup {
    QTemporaryDir root;
    std::string prog, project, csv, pdf;
};

void WriteArticles(const std::string& csv, int records)
{
    std::ofstream out(csv, std::ios::binary);
    char line[96];
    for (int r = 1; r <= records; ++r) {
        std::snprintf(line, sizeof line, "TLY-%06d;Article %d;40%010d\n", r, r, r);
        out << line;
    }
}

bool Prepare(ProgramSetup& setup, int records)
{
    labelshapes::RegisterLabelShapes();
    const std::string root = setup.root.path().toStdString();
    setup.prog = root + "/prog/";
    setup.project = root + "/articles.tly";
    setup.csv = root + "/articles.csv";
    setup.pdf = root + "/out.pdf";
    std::filesystem::create_directories(setup.prog);
    data::ImportSettings settings;   // fields 1..3 from columns 1..3, one copy each
    settings.valid = true;
    settings.fieldColumn.fill(data::kNoColumn);
    for (int f = 0; f < 3; ++f)
        settings.fieldColumn[std::size_t(f)] = f;
    settings.quantitySource = data::kQuantityOne;
    settings.separatorIndex = 1;   // ";"
    if (!data::WriteImportSettings(setup.prog, settings))
        return false;
    WriteArticles(setup.csv, records);
    const auto label = ArticleLabel();
    project::TBackupFile archive;
    return project::SaveProject(
        root + "/maker", setup.project,
        [&label](const std::filesystem::path& file) { label->SaveToFile(QString::fromStdString(file.string())); },
        project::MakeLayoutRecord(Avery5160(), 0, false), archive);
}

// Runs the command and waits for it; the child's peak resident memory goes to `peakKiB`.
int RunCommand(std::vector<std::string> arguments, long& peakKiB)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return -1;
    peakKiB = usage.ru_maxrss;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_BatchCommandDatabaseRunToPdf(benchmark::State& state)
{
    const int records = int(state.range(0));
    ProgramSetup setup;
    if (qEnvironmentVariableIsSet("TESSALY_BENCH_KEEP")) {   // to look at the output afterwards
        setup.root.setAutoRemove(false);
        std::fprintf(stderr, "files kept in %s\n", qPrintable(setup.root.path()));
    }
    if (!Prepare(setup, records)) {
        state.SkipWithError("the program folder could not be prepared");
        return;
    }
    long peakKiB = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int status = RunCommand({TESSALY_BIN_DIR "/tessaly-batch", "--folder", setup.prog, setup.project,
                                       "--import", setup.csv, "--pdf", setup.pdf},
                                      peakKiB);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (status != 0) {
            state.SkipWithError(("tessaly-batch exited with " + std::to_string(status)).c_str());
            return;
        }
        state.counters["seconds"] = elapsed.count();
        state.counters["labels_per_s"] = records / elapsed.count();
        if (const auto peer = kPeerSeconds.find(records); peer != kPeerSeconds.end())
            state.counters["times_faster_than_peer"] = peer->second / elapsed.count();
    }
    state.counters["child_peak_rss_MiB"] = double(peakKiB) / 1024.0;
}
BENCHMARK(BM_BatchCommandDatabaseRunToPdf)
    ->ArgName("records")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)   // memory stays flat: the table is read through a moving window
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace tessaly::bench

int main(int argc, char** argv) { return RunOffscreenBenchmarks<QGuiApplication>(argc, argv); }
