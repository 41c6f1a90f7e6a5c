// The producer's server under 50 clients at once, measured with wrk: the count request and the
// download of a kept 10,000-term update, beside a static file of the same size served by the same
// HTTP library. Usage: handbook_producer_bench [seconds per case, 10 by default]. Needs wrk.
#include <httplib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

#include "producer/ProducerDatabase.h"
#include "producer/ProducerServer.h"
#include "producer/PublishedHandbook.h"
#include "producer/TimestampText.h"
#include "store/Database.h"
#include "store/SqlExecutor.h"
#include "text/Cp1251.h"
#include "text/DateTime.h"

namespace {

constexpr int kTerms = 10000;
constexpr int kSections = 10;
constexpr int kClients = 50;
constexpr int kThreads = 64;

// 10,000 published terms of the usual sizes, with headwords that differ, so the gzip body is of a
// real update's size rather than a run of repeats.
void Fill(const std::string& file) {
  store::Database database;
  producer::CreateProducerDatabase(database, file);
  const text::DateTime now = text::EncodeDateTime({.year = 2026, .month = 12, .day = 10, .hour = 12});
  const std::string published = producer::TimestampText(now);
  store::SqlExecutor insert(database);
  insert.SetSQL("insert into SECTIONS (SECTION_UID, SECTION_NAME, PUBLISHED_AT) values (?, ?, ?)");
  for (int s = 0; s < kSections; ++s) insert.ExecQuery({std::to_string(s), text::Utf8ToCp1251("Раздел ") + std::to_string(s), published});
  insert.SetSQL(
      "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, PUBLISHED_AT) values (?, ?, ?, ?, ?, ?)");
  const std::string origin = text::Utf8ToCp1251("греч. gaster – желудок + -itis – воспаление");
  const std::string description = text::Utf8ToCp1251(
      "Воспаление слизистой оболочки желудка, острое или хроническое;\r\nпроявляется болью в подложечной "
      "области, тошнотой, изжогой. Диагноз ставят по гастроскопии и биопсии.");
  std::uint32_t seed = 1;
  for (int key = 1; key <= kTerms; ++key) {
    std::string headword;
    for (int i = 0; i < 9; ++i) {
      seed = seed * 1103515245u + 12345u;
      headword += static_cast<char>((i == 0 ? 0xC0 : 0xE0) + (seed >> 16) % 32);
    }
    insert.ExecQuery({std::to_string(key), headword, origin, description + " " + std::to_string(key),
                      std::to_string(key % kSections), published});
  }
  producer::RecordPublication(database, "bench", now);
  database.Commit();
}

struct WrkFigures {
  std::string requestsPerSecond = "?";
  std::string transferPerSecond = "?";
  std::string latency50 = "?";
  std::string latency99 = "?";
};

std::string After(const std::string& output, const std::string& label) {
  const std::size_t at = output.find(label);
  if (at == std::string::npos) return "?";
  std::size_t start = output.find_first_not_of(' ', at + label.size());
  const std::size_t end = output.find_first_of(" \n", start);
  return output.substr(start, end - start);
}

WrkFigures Wrk(const std::string& url, int seconds) {
  const std::string command = "wrk -t2 -c" + std::to_string(kClients) + " -d" + std::to_string(seconds) +
                              "s --latency -H 'Accept-Encoding: compress; q=.5, gzip' '" + url + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string output;
  std::array<char, 4096> buffer;
  while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe.get())) output.append(buffer.data(), got);
  if (output.find("Non-2xx") != std::string::npos || output.find("Socket errors") != std::string::npos)
    std::cerr << output;
  return {After(output, "Requests/sec:"), After(output, "Transfer/sec:"), After(output, " 50%"), After(output, " 99%")};
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  if (std::system("command -v wrk >/dev/null") != 0) {
    std::cerr << "wrk is not installed (apt-get install wrk)\n";
    return 1;
  }
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("korvand-producer-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string database = (folder / "PRODUCER.FDB").string();
  std::cerr << "making " << kTerms << " published terms...\n";
  Fill(database);

  producer::ServerOptions options;
  options.port = 0;
  options.threads = kThreads;
  producer::ProducerServer server(database, options);
  const int port = server.Bind();
  std::thread serving([&] { server.Listen(); });

  const std::string base = "http://127.0.0.1:" + std::to_string(port);
  const std::string updatePath = "/includes/dictupdgz.php?date=2026-12-01%2000:00:00";
  httplib::Client client("127.0.0.1", port);
  const auto count = client.Get(updatePath + "&count=1");
  const auto body = client.Get(updatePath, {{"Accept-Encoding", "gzip"}});
  if (!count || !body) {
    std::cerr << "the server did not answer\n";
    return 1;
  }

  // The same bytes as a file, served by the same library's static file handler.
  const std::filesystem::path files = folder / "static";
  std::filesystem::create_directories(files);
  std::ofstream(files / "update.gz", std::ios::binary) << body->body;
  httplib::Server statics;
  statics.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
  statics.set_mount_point("/", files.string());
  const int staticPort = statics.bind_to_any_port("127.0.0.1");
  std::thread servingStatics([&] { statics.listen_after_bind(); });
  while (!server.IsRunning() || !statics.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));

  std::cout << "count reply " << count->body << "; " << kClients << " clients, " << seconds << " s a case\n\n"
            << "| request | requests/s | transfer/s | latency p50 | latency p99 |\n|---|---|---|---|---|\n";
  const std::pair<const char*, std::string> cases[] = {
      {"count request", base + updatePath + "&count=1"},
      {"download of the kept update", base + updatePath},
      {"static file of the same size", "http://127.0.0.1:" + std::to_string(staticPort) + "/update.gz"},
  };
  for (const auto& [name, url] : cases) {
    const WrkFigures figures = Wrk(url, seconds);
    std::cout << "| " << name << " | " << figures.requestsPerSecond << " | " << figures.transferPerSecond << " | "
              << figures.latency50 << " | " << figures.latency99 << " |\n"
              << std::flush;
  }

  statics.stop();
  servingStatics.join();
  server.Stop();
  serving.join();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}
