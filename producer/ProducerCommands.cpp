#include "producer/ProducerCommands.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <charconv>
#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/Clock.h"
#include "producer/ChangeSets.h"
#include "producer/EditorDecisions.h"
#include "producer/HandbookScripts.h"
#include "producer/ProducerDatabase.h"
#include "producer/ProducerServer.h"
#include "producer/Publishing.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "text/Cp1251.h"

namespace producer {
namespace {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr const char* kUsage =
    "usage: korvand-producer [--database NAME] COMMAND [ARGUMENTS]\n"
    "  import FILE                        a handbook database, or a data script ending in .sql\n"
    "  changes [--all]                    received change sets with undecided terms (or all)\n"
    "  accept SET [TERM...] [--category N]\n"
    "  reject SET [TERM...]\n"
    "  publish [--category N]... [--term N]...\n"
    "  serve [--address A] [--port P] [--threads N]\n";

int Number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) throw UsageError("not a number: " + text);
  return value;
}

// The arguments after the command: options with one value each, and plain ones in order.
struct Arguments {
  std::vector<std::string> plain;
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::string> flags;

  std::optional<std::string> Option(const std::string& name) const {
    std::optional<std::string> value;
    for (const auto& [key, text] : options) {
      if (key == name) value = text;
    }
    return value;
  }
  std::vector<int> Numbers(const std::string& name) const {
    std::vector<int> values;
    for (const auto& [key, text] : options) {
      if (key == name) values.push_back(Number(text));
    }
    return values;
  }
  bool Flag(const std::string& name) const { return std::ranges::count(flags, name) > 0; }
};

Arguments Split(const std::vector<std::string>& words, const std::vector<std::string>& valued,
                const std::vector<std::string>& flags) {
  Arguments arguments;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!word.starts_with("--")) {
      arguments.plain.push_back(word);
    } else if (std::ranges::count(flags, word)) {
      arguments.flags.push_back(word);
    } else if (std::ranges::count(valued, word) && i + 1 < words.size()) {
      arguments.options.emplace_back(word, words[++i]);
    } else {
      throw UsageError("unknown option or missing value: " + word);
    }
  }
  return arguments;
}

std::string Utf8(const std::string& cp1251) { return text::Cp1251ToUtf8(cp1251); }

// A value over several lines as lines of the listing, each indented like the first.
std::string Indented(const std::string& cp1251) {
  std::string text = Utf8(cp1251);
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      lines += text[i];
      continue;
    }
    if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != text[i]) ++i;
    lines += "\n       ";
  }
  return lines;
}

std::string Said(const PublishedCount& count) {
  std::string said = "published " + std::to_string(count.categories) + " categories and " +
                     std::to_string(count.terms) + " terms";
  if (count.skipped) said += "; skipped " + std::to_string(count.skipped) + " terms with a reader's own key";
  return said + "\n";
}

int Import(store::Database& database, const Arguments& arguments, std::ostream& out) {
  if (arguments.plain.size() != 1) throw UsageError("import needs one file");
  const std::string& file = arguments.plain[0];
  if (file.ends_with(".sql")) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file);
    std::ostringstream script;
    script << in.rdbuf();
    out << Said(ImportDataScript(database, script.str(), platform::Now()));
  } else {
    out << Said(ImportHandbook(database, file, platform::Now()));
  }
  return 0;
}

int Changes(store::Database& database, const Arguments& arguments, std::ostream& out) {
  const std::vector<ChangeSetRow> sets = ReadChangeSets(database, !arguments.Flag("--all"));
  database.Commit();
  if (sets.empty()) out << "no change sets to review\n";
  for (const ChangeSetRow& set : sets) {
    out << "set " << set.setId << "  received " << set.receivedAt << " from " << set.sender << "\n";
    for (const ReceivedTermRow& term : set.terms) {
      out << "  " << term.termNo << "  " << (term.uid ? "+ edits " + std::to_string(*term.uid) : "* new") << "  "
          << Utf8(term.title);
      if (!term.decision.empty()) out << "  [" << term.decision << "]";
      if (term.publishedUid) out << " as " << *term.publishedUid;
      out << "\n";
      if (!term.etiology.empty()) out << "       origin: " << Indented(term.etiology) << "\n";
      if (!term.description.empty()) out << "       " << Indented(term.description) << "\n";
    }
  }
  return 0;
}

std::vector<int> SetAndTerms(const Arguments& arguments, int& setId) {
  if (arguments.plain.empty()) throw UsageError("name the change set");
  setId = Number(arguments.plain[0]);
  std::vector<int> terms;
  for (std::size_t i = 1; i < arguments.plain.size(); ++i) terms.push_back(Number(arguments.plain[i]));
  return terms;
}

int Accept(store::Database& database, const Arguments& arguments, std::ostream& out) {
  int setId = 0;
  const std::vector<int> terms = SetAndTerms(arguments, setId);
  std::optional<int> category;
  if (const auto text = arguments.Option("--category")) category = Number(*text);
  for (const AcceptedTerm& term : AcceptChanges(database, setId, terms, category, platform::Now())) {
    out << "term " << term.termNo << (term.replaced ? " replaces published term " : " published as new term ")
        << term.publishedUid << "\n";
  }
  return 0;
}

int Reject(store::Database& database, const Arguments& arguments, std::ostream& out) {
  int setId = 0;
  const std::vector<int> terms = SetAndTerms(arguments, setId);
  out << "rejected " << RejectChanges(database, setId, terms) << " terms\n";
  return 0;
}

int Publish(store::Database& database, const Arguments& arguments, std::ostream& out) {
  const std::vector<int> categories = arguments.Numbers("--category");
  const std::vector<int> terms = arguments.Numbers("--term");
  if (categories.empty() && terms.empty()) out << Said(PublishUnpublished(database, platform::Now()));
  else out << Said(PublishKeys(database, categories, terms, platform::Now()));
  return 0;
}

int Serve(const std::string& databaseName, const Arguments& arguments, std::ostream& err) {
  // The signals end the server from a thread of their own; blocked before the pool starts, so no
  // worker takes them.
  sigset_t endings;
  sigemptyset(&endings);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&endings, s);
  pthread_sigmask(SIG_BLOCK, &endings, nullptr);

  {
    // A new database starts with the demo handbook, so a fresh server has something to send.
    store::Database database;
    if (OpenProducerDatabase(database, databaseName)) {
      err << "made " << databaseName << " with the demo handbook: " << Said(ImportDataScript(database, DemoHandbookScript(), platform::Now()));
    }
  }
  ServerOptions options;
  if (const auto address = arguments.Option("--address")) options.address = *address;
  if (const auto port = arguments.Option("--port")) options.port = Number(*port);
  if (const auto threads = arguments.Option("--threads")) options.threads = std::max(1, Number(*threads));
  std::mutex logMutex;
  options.log = [&](const std::string& line) {
    const std::lock_guard lock(logMutex);
    err << line << std::endl;
  };
  ProducerServer server(databaseName, options);
  const int port = server.Bind();
  err << "serving " << databaseName << " on http://" << options.address << ":" << port << std::endl;
  std::atomic<bool> listened{false};
  std::thread waiter([&] {
    int signal = 0;
    sigwait(&endings, &signal);
    // A signal that came before the server listened would stop nothing: ask until it ends.
    while (!listened) {
      server.Stop();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  server.Listen();
  listened = true;
  // Ended otherwise than by a signal: wake the waiter.
  pthread_kill(waiter.native_handle(), SIGTERM);
  waiter.join();
  err << "stopped" << std::endl;
  return 0;
}

}  // namespace

int RunProducerCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  try {
    std::string databaseName = kDefaultDatabase;
    std::size_t at = 0;
    if (at + 1 < words.size() && words[at] == "--database") {
      databaseName = words[at + 1];
      at += 2;
    }
    if (at >= words.size()) throw UsageError("no command");
    const std::string command = words[at];
    const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(at) + 1, words.end());
    if (command == "serve")
      return Serve(databaseName, Split(rest, {"--address", "--port", "--threads"}, {}), err);

    Arguments arguments;
    if (command == "import" || command == "reject") arguments = Split(rest, {}, {});
    else if (command == "changes") arguments = Split(rest, {}, {"--all"});
    else if (command == "accept") arguments = Split(rest, {"--category"}, {});
    else if (command == "publish") arguments = Split(rest, {"--category", "--term"}, {});
    else throw UsageError("unknown command: " + command);

    store::Database database;
    OpenProducerDatabase(database, databaseName);
    if (command == "import") return Import(database, arguments, out);
    if (command == "changes") return Changes(database, arguments, out);
    if (command == "accept") return Accept(database, arguments, out);
    if (command == "reject") return Reject(database, arguments, out);
    return Publish(database, arguments, out);
  } catch (const UsageError& error) {
    err << "korvand-producer: " << error.what() << "\n" << kUsage;
    return 2;
  } catch (const store::DatabaseError& error) {
    err << "korvand-producer: " << Utf8(error.what()) << "\n";
    return 1;
  } catch (const std::exception& error) {
    err << "korvand-producer: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace producer
