#include "store/FirebirdApi.h"

#include <ibase.h>
#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>

#include "store/StatusText.h"

namespace store::fb {
namespace {

constexpr const char* kUserName = "SYSDBA";
constexpr const char* kPassword = "pelnorvix";
constexpr const char* kCharacterSet = "WIN1251";

// The engine's error codes, or with `argument` isc_arg_unix the system's error numbers.
std::vector<std::intptr_t> CodesOf(const Firebird::IStatus* status, std::intptr_t argument = isc_arg_gds) {
  std::vector<std::intptr_t> codes;
  const std::intptr_t* v = status->getErrors();
  while (v && *v != isc_arg_end) {
    if (v[0] == argument) codes.push_back(v[1]);
    v += v[0] == isc_arg_cstring ? 3 : 2;
  }
  return codes;
}

// The status's message with every quoted text in Windows-1251 (see StatusText.h).
std::string MessageOf(const Firebird::IStatus* status) {
  std::deque<std::string> texts;  // stable addresses for the vector's pointers
  std::vector<std::intptr_t> vector;
  const std::intptr_t* v = status->getErrors();
  while (v && *v != isc_arg_end) {
    switch (v[0]) {
      case isc_arg_cstring:
        texts.push_back(StatusArgumentText(std::string_view(reinterpret_cast<const char*>(v[2]), v[1])));
        vector.insert(vector.end(), {isc_arg_string, reinterpret_cast<std::intptr_t>(texts.back().c_str())});
        v += 3;
        break;
      case isc_arg_string:
      case isc_arg_interpreted:
        texts.push_back(StatusArgumentText(reinterpret_cast<const char*>(v[1])));
        vector.insert(vector.end(), {v[0], reinterpret_cast<std::intptr_t>(texts.back().c_str())});
        v += 2;
        break;
      default:
        vector.insert(vector.end(), {v[0], v[1]});
        v += 2;
        break;
    }
  }
  vector.push_back(isc_arg_end);

  Firebird::IStatus* converted = Master()->getStatus();
  converted->setErrors(vector.data());
  char buffer[4096];
  Master()->getUtilInterface()->formatStatus(buffer, sizeof buffer, converted);
  converted->dispose();
  return buffer;
}

// "host:path" and "host/port:path" name a server; anything else is a file. A port is digits only,
// so a folder before a colon in a file's name does not make it a server.
bool IsPlainPath(const std::string& name) {
  const auto colon = name.find(':');
  if (colon == std::string::npos) return true;
  const auto slash = name.find('/');
  if (slash > colon) return false;
  if (slash == 0 || slash + 1 >= colon) return true;
  return !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(slash) + 1,
                      name.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) { return c >= '0' && c <= '9'; });
}

class ParameterBlock {
 public:
  explicit ParameterBlock(unsigned kind) {
    Status status;
    builder_ = Guarded([&] { return Master()->getUtilInterface()->getXpbBuilder(&status, kind, nullptr, 0); });
  }
  ~ParameterBlock() { builder_->dispose(); }
  void Text(unsigned char tag, const std::string& value) {
    Status status;
    Guarded([&] { builder_->insertString(&status, tag, value.c_str()); });
  }
  void Number(unsigned char tag, int value) {
    Status status;
    Guarded([&] { builder_->insertInt(&status, tag, value); });
  }
  std::vector<unsigned char> Bytes() {
    Status status;
    return Guarded([&] {
      const unsigned char* data = builder_->getBuffer(&status);
      return std::vector<unsigned char>(data, data + builder_->getBufferLength(&status));
    });
  }

 private:
  Firebird::IXpbBuilder* builder_ = nullptr;
};

void AddFixedParameters(ParameterBlock& block) {
  block.Text(isc_dpb_user_name, kUserName);
  block.Text(isc_dpb_password, kPassword);
  block.Text(isc_dpb_lc_ctype, kCharacterSet);
}

}  // namespace

Firebird::IMaster* Master() {
  PrepareEngineEnvironment();
  static Firebird::IMaster* master = Firebird::fb_get_master_interface();
  return master;
}

DatabaseError ErrorFrom(const Firebird::FbException& error, const std::string& prefix) {
  const Firebird::IStatus* status = error.getStatus();
  return DatabaseError(prefix + MessageOf(status), CodesOf(status), CodesOf(status, isc_arg_unix));
}

std::vector<unsigned char> AttachParameters(const std::string& name, int serverPort, int pageCache) {
  ParameterBlock block(Firebird::IXpbBuilder::DPB);
  AddFixedParameters(block);
  if (IsPlainPath(name)) {
    // The embedded engine ignores isc_dpb_num_buffers; the database's configuration entry works.
    std::string configuration = "Providers=Engine12";
    if (pageCache != 0) configuration += "\nDefaultDbCachePages=" + std::to_string(pageCache);
    block.Text(isc_dpb_config, configuration);
  } else if (serverPort != 0) {
    block.Text(isc_dpb_config, "RemoteServicePort=" + std::to_string(serverPort));
  }
  return block.Bytes();
}

std::vector<unsigned char> CreateParameters(const std::string& name) {
  ParameterBlock block(Firebird::IXpbBuilder::DPB);
  AddFixedParameters(block);
  block.Number(isc_dpb_sql_dialect, kDialect);
  block.Text(isc_dpb_set_db_charset, kCharacterSet);
  block.Number(isc_dpb_page_size, 8192);
  block.Number(isc_dpb_force_write, 0);
  if (IsPlainPath(name)) block.Text(isc_dpb_config, "Providers=Engine12");
  return block.Bytes();
}

std::vector<unsigned char> ForcedWritesParameters(const std::string& name) {
  ParameterBlock block(Firebird::IXpbBuilder::DPB);
  AddFixedParameters(block);
  block.Number(isc_dpb_force_write, 1);
  if (IsPlainPath(name)) block.Text(isc_dpb_config, "Providers=Engine12");
  return block.Bytes();
}

void PrepareEngineEnvironment() {
  static std::once_flag once;
  std::call_once(once, [] {
    // The engine reads file names in the locale's character set, fixed when it starts; names are
    // UTF-8 like the file system, and under the "C" locale a Cyrillic folder would not open.
    const char* codeset = nl_langinfo(CODESET);
    if (!codeset || std::strcmp(codeset, "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");

    if (std::getenv("FIREBIRD_LOCK")) return;
    const std::filesystem::path standard = "/tmp/firebird";
    std::error_code error;
    if (!std::filesystem::exists(standard, error)) {
      if (access("/tmp", W_OK) == 0) return;  // the engine makes it
    } else if (access(standard.c_str(), W_OK | X_OK) == 0) {
      return;
    }
    const auto own = std::filesystem::temp_directory_path(error) /
                     ("korvand-firebird-" + std::to_string(getuid()));
    std::filesystem::create_directories(own, error);
    setenv("FIREBIRD_LOCK", own.c_str(), 0);
  });
}

}  // namespace store::fb
