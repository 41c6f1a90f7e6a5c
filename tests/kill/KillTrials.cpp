// The kill trials: runs the kill writer on a fresh handbook, kills it with SIGKILL at a moment
// drawn from the seed (a few milliseconds into the first, second or third write of one kind, the
// kinds taken in turn), then opens the handbook again and checks it against what the writer
// reported: every write reported done is there, the one under way is there whole or not at all,
// no article mixes two versions, and `gfix -v -full` finds no damage (page warnings are counted
// apart, see JudgeGfix).
//   handbook_kill_trials [--trials N] [--seed S] [--longest-ms M]
// Prints a line a trial and a summary; exits 1 on any fault. The same seed gives the same moments.
#include <signal.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "store/Database.h"
#include "store/Query.h"
#include "tests/kill/KillJournal.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace {

using kill_trials::ArticleStates;
using namespace std::chrono_literals;

struct Options {
  int trials = 50;
  unsigned seed = 1;
  int longestMs = 60;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const long value = std::strtol(argv[i + 1], nullptr, 10);
    if (name == "--trials") options.trials = static_cast<int>(value);
    else if (name == "--seed") options.seed = static_cast<unsigned>(value);
    else if (name == "--longest-ms") options.longestMs = static_cast<int>(value);
  }
  return options;
}

// The writer's whole output until it was killed.
struct KilledRun {
  std::string output;
  int exitCode = 0;
};

// The writer is killed `after` the `nth` write of kind `target` began (or, should none come
// within ten seconds, then).
struct KillMoment {
  std::string target;
  int nth = 1;
  std::chrono::milliseconds after{0};
};

KilledRun RunAndKill(const std::filesystem::path& writer, const std::filesystem::path& database, unsigned seed,
                     const std::filesystem::path& configHome, const KillMoment& moment) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  const testing_support::SpawnArguments arguments(
      {writer.string(), database.string(), std::to_string(seed)},
      {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + configHome.string()});
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, writer.c_str(), &actions, nullptr, arguments.Argv(), arguments.Envp());
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (spawned != 0) throw std::runtime_error("cannot start " + writer.string());

  KilledRun run;
  char buffer[4096];
  const std::string mark = "begin " + moment.target + " ";
  const auto giveUp = std::chrono::steady_clock::now() + 10s;
  auto seen = [&] {
    int count = 0;
    for (std::size_t at = run.output.find(mark); at != std::string::npos; at = run.output.find(mark, at + 1)) ++count;
    return count;
  };
  while (seen() < moment.nth && std::chrono::steady_clock::now() < giveUp) {
    pollfd readable{pipeFds[0], POLLIN, 0};
    if (::poll(&readable, 1, 100) <= 0) continue;
    const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
    if (got <= 0) break;
    run.output.append(buffer, static_cast<std::size_t>(got));
  }
  std::this_thread::sleep_for(moment.after);
  run.exitCode = testing_support::EndProcess(pid, SIGKILL, 10s);
  for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    run.output.append(buffer, static_cast<std::size_t>(got));
  ::close(pipeFds[0]);
  return run;
}

// Every row as key and state; a row whose texts disagree is a fault of its own.
ArticleStates StoredArticles(const std::filesystem::path& database, std::vector<std::string>& faults) {
  store::Database db;
  db.Open(database.string());
  store::Query query(db);
  query.SetSQL("select EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, CHANGED from EUPHEMIZMS");
  query.Open();
  ArticleStates stored;
  for (query.First(); !query.Eof(); query.Next()) {
    const auto [key, state] = kill_trials::StateOfRow(
        query.FieldByName("EUPHEMIZM").AsString(), query.FieldByName("ETIOLOGY").AsString(),
        query.FieldByName("DESCRIPTION").AsString(), query.FieldByName("CHANGED").AsString());
    if (key.empty())
      faults.push_back("half-applied or foreign row " + query.FieldByName("EUPH_UID").AsString() + ": " +
                       query.FieldByName("EUPHEMIZM").AsString());
    else if (!stored.emplace(key, state).second)
      faults.push_back("article " + key + " stored twice");
  }
  return stored;
}

std::string StateIn(const ArticleStates& states, const std::string& key) {
  const auto found = states.find(key);
  return found == states.end() ? "gone" : found->second;
}

// The write under way is either wholly there or not at all; every write done is there.
void CheckAgainstJournal(const kill_trials::Journal& journal, const ArticleStates& stored,
                         std::vector<std::string>& faults) {
  ArticleStates before;
  for (const auto& [key, state] : journal.pending) before[key] = StateIn(journal.confirmed, key);
  bool allBefore = true;
  bool allAfter = true;
  for (const auto& [key, state] : journal.pending) {
    allBefore = allBefore && StateIn(stored, key) == before[key];
    allAfter = allAfter && StateIn(stored, key) == state;
  }
  if (!allBefore && !allAfter) faults.push_back("the write under way is there in part");

  ArticleStates expected = journal.confirmed;
  for (const auto& [key, state] : stored) expected.emplace(key, "gone");
  for (const auto& [key, state] : expected) {
    if (journal.pending.count(key)) continue;
    if (StateIn(stored, key) != state)
      faults.push_back("article " + key + " is " + StateIn(stored, key) + ", reported " + state);
  }
}

std::string GfixOutput(const std::filesystem::path& database) {
  const std::string command = "gfix -v -full -user SYSDBA '" + database.string() + "' 2>&1";
  std::string output;
  FILE* gfix = ::popen(command.c_str(), "r");
  if (!gfix) return "cannot run gfix";
  char buffer[512];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, gfix)) > 0;) output.append(buffer, got);
  const int status = ::pclose(gfix);
  if (status != 0 && output.empty()) output = "gfix exited with " + std::to_string(status);
  return output;
}

// What gfix found: damage (any error count, or anything it says beyond its summary) is a fault.
// Page warnings are counted apart: a process killed between taking a page and linking it leaves
// the page an orphan (space lost until the next gfix -mend, nothing stored in it), and may leave
// a pointer page's "full" bit behind its data page; the firebird log names each.
struct GfixVerdict {
  std::vector<std::string> damage;
  int pageWarnings = 0;
};

GfixVerdict JudgeGfix(const std::string& output) {
  GfixVerdict verdict;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos || line == "Summary of validation errors") continue;
    if (line.find("page warnings") != std::string::npos) {
      verdict.pageWarnings += std::atoi(line.c_str() + line.rfind(':') + 1);
      continue;
    }
    verdict.damage.push_back(line);
  }
  return verdict;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const std::filesystem::path writer = std::filesystem::path(argv[0]).parent_path() / "handbook_kill_writer";
  std::mt19937 moments(options.seed);
  int faultyTrials = 0;
  int writesDone = 0;
  int trialsWithPageWarnings = 0;
  std::map<std::string, int> doneByKind;
  std::map<std::string, int> killedByKind;
  const auto start = std::chrono::steady_clock::now();
  for (int trial = 0; trial < options.trials; ++trial) {
    const unsigned writerSeed = options.seed * 1000 + static_cast<unsigned>(trial);
    static const char* const kKinds[] = {"add", "edit", "delete", "settle", "update"};
    KillMoment moment;
    moment.target = kKinds[trial % 5];
    moment.nth = std::uniform_int_distribution<int>(1, 3)(moments);
    // Every other trial kills within 5 ms, or the quick writes (a delete, a settle) would mostly be
    // over before the kill.
    const int longest = trial % 2 == 0 ? options.longestMs : 5;
    moment.after = std::chrono::milliseconds(std::uniform_int_distribution<int>(0, longest)(moments));
    testing_support::TempDir dir;
    const std::filesystem::path database =
        testing_support::MakeHandbookDatabase(dir, {testing_support::SectionLine(1, "Main")});
    const KilledRun run = RunAndKill(writer, database, writerSeed, dir.path() / "config", moment);
    const kill_trials::Journal journal = kill_trials::ReadJournal(run.output);

    std::vector<std::string> faults;
    if (!journal.ready) faults.push_back("the writer never got ready");
    if (run.exitCode != 128 + SIGKILL) faults.push_back("the writer ended by itself: " + std::to_string(run.exitCode));
    try {
      CheckAgainstJournal(journal, StoredArticles(database, faults), faults);
    } catch (const std::exception& error) {
      faults.push_back(std::string("cannot read the handbook again: ") + error.what());
    }
    const GfixVerdict gfix = JudgeGfix(GfixOutput(database));
    for (const std::string& damage : gfix.damage) faults.push_back("gfix: " + damage);
    if (gfix.pageWarnings > 0) ++trialsWithPageWarnings;

    writesDone += journal.writesDone;
    for (const auto& [kind, count] : journal.doneByKind) doneByKind[kind] += count;
    if (!journal.pendingKind.empty()) ++killedByKind[journal.pendingKind];
    std::printf("trial %d (seed %u, killed %d ms into %s #%d): %d writes done, killed in: %s, %d page warnings\n",
                trial, writerSeed, static_cast<int>(moment.after.count()), moment.target.c_str(), moment.nth,
                journal.writesDone,
                journal.pendingKind.empty() ? "none" : journal.pendingKind.c_str(), gfix.pageWarnings);
    for (const std::string& fault : faults) std::printf("  FAULT: %s\n", fault.c_str());
    if (!faults.empty()) ++faultyTrials;
    std::fflush(stdout);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d trials, %d writes reported done, %d faulty trials, %d with page warnings, %.1f s\n",
              options.trials, writesDone, faultyTrials, trialsWithPageWarnings, seconds);
  for (const auto& [kind, count] : doneByKind)
    std::printf("  %-7s %4d done, %3d killed under way\n", kind.c_str(), count, killedByKind[kind]);
  return faultyTrials == 0 ? 0 : 1;
}
