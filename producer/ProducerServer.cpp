#include "producer/ProducerServer.h"

#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <stdexcept>

#include "exchange/ChangeDocumentReader.h"
#include "exchange/ChangesUpload.h"
#include "platform/Clock.h"
#include "producer/ChangeSets.h"
#include "producer/ProducerDatabase.h"
#include "producer/ProducerPages.h"
#include "producer/SharedDatabase.h"
#include "producer/TimestampText.h"
#include "producer/UpdateCache.h"
#include "store/DatabaseError.h"

namespace producer {
namespace {

constexpr const char* kUpdatePath = "/includes/dictupdgz.php";
// The handbook compares these replies byte for byte and does not decode compressed replies itself:
// a type the HTTP library never compresses, whatever the request accepts.
constexpr const char* kExactReplyType = "application/octet-stream";
constexpr const char* kPageType = "text/html; charset=windows-1251";

void Refuse(httplib::Response& response, int status, const std::string& reason) {
  response.status = status;
  response.set_content(reason + "\n", kExactReplyType);
}

// A download goes out through a content provider, whose bytes are not in the body.
std::string SentBytes(const httplib::Response& response) {
  if (response.has_header("Content-Length")) return response.get_header_value("Content-Length");
  return std::to_string(response.body.size());
}

bool AcceptsGzip(const httplib::Request& request) {
  return request.get_header_value("Accept-Encoding").find("gzip") != std::string::npos;
}

}  // namespace

struct ProducerServer::Impl {
  explicit Impl(ServerOptions options) : options(std::move(options)) {}

  void Configure() {
    const int threads = options.threads;
    server.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
    // Headers and a short body go out as two writes; without this the second waits for the
    // client's delayed acknowledgement (some 40 ms). Accepted sockets inherit it.
    server.set_socket_options([](socket_t socket) {
      const int yes = 1;
      setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
      setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    });
    server.set_payload_max_length(options.maxUploadBytes);
    server.set_read_timeout(options.readTimeout);
    server.set_write_timeout(options.readTimeout);
    // An idle kept-alive connection holds a thread as a stalled one does: the same bound.
    server.set_keep_alive_timeout(options.readTimeout.count());
    server.set_keep_alive_max_count(1000);
    server.Get(kUpdatePath, [this](const httplib::Request& q, httplib::Response& r) { ServeUpdate(q, r); });
    server.Post(std::string(exchange::kChangesUploadPath),
                [this](const httplib::Request& q, httplib::Response& r) { ReceiveChanges(q, r); });
    server.Get("/index.php", [](const httplib::Request& q, httplib::Response& r) {
      if (q.get_param_value("id") == "handbook") r.set_content(HandbookPage(), kPageType);
      else Refuse(r, 404, "no such page");
    });
    server.Get("/forum", [](const httplib::Request&, httplib::Response& r) { r.set_content(ForumPage(), kPageType); });
    // Requests the HTTP library refuses itself (a damaged form, a body over the limit) get a reason too.
    server.set_error_handler([this](const httplib::Request&, httplib::Response& r) {
      if (!r.body.empty()) return;
      if (r.status == 413) {
        Refuse(r, 413, "the body is larger than " + std::to_string(options.maxUploadBytes) + " bytes");
      } else {
        Refuse(r, r.status, r.status == 404 ? "no such page" : "the request could not be read");
      }
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& r, std::exception_ptr) {
      Refuse(r, 500, "internal error");
    });
    if (options.log) {
      server.set_logger([this](const httplib::Request& q, const httplib::Response& r) {
        options.log(TimestampText(platform::Now()) + " " + q.remote_addr + " " + q.method + " " + q.target + " " +
                    std::to_string(r.status) + " " + SentBytes(r));
      });
    }
  }

  void ServeUpdate(const httplib::Request& request, httplib::Response& response) {
    const std::optional<std::string> since = RequestTimestamp(request.get_param_value("date"));
    if (!since) return Refuse(response, 400, "the date must read yyyy-mm-dd hh:mm:ss");
    std::shared_ptr<const BuiltUpdate> update;
    try {
      update = updates.Since(*since);
    } catch (const store::DatabaseError&) {
      return Refuse(response, 503, "the database is not available");
    }
    if (request.has_param("count")) {
      const std::string reply = update->termCount == 0 ? "0|0"
                                                       : std::to_string(update->termCount) + "|" +
                                                             std::to_string(update->gzipBody.size());
      return response.set_content(reply, kExactReplyType);
    }
    if (update->termCount == 0) return Refuse(response, 404, "nothing was published since that date");
    // Sent from the kept document itself, which the pointer keeps alive, instead of a copy a request.
    const std::string* body = AcceptsGzip(request) ? &update->gzipBody : &update->document;
    response.set_content_provider(body->size(), kExactReplyType,
                                  [update, body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                    return sink.write(body->data() + offset, length);
                                  });
  }

  void ReceiveChanges(const httplib::Request& request, httplib::Response& response) {
    if (!request.is_multipart_form_data()) return Refuse(response, 400, "the changes come as multipart/form-data");
    const std::string field(exchange::kChangesFieldName);
    if (!request.has_file(field) || request.files.count(field) != 1)
      return Refuse(response, 400, "the form needs exactly one field " + field);
    const exchange::ChangeDocumentReading reading = exchange::ReadChangeDocument(request.get_file_value(field).content);
    if (!reading.Valid()) return Refuse(response, 400, "malformed change document: " + reading.fault);
    if (const std::string fault = ChangeSetFault(reading.terms); !fault.empty())
      return Refuse(response, 400, "change document refused: " + fault);
    try {
      const std::lock_guard lock(shared.mutex);
      StoreChangeSet(shared.database, request.remote_addr, platform::Now(), reading.terms);
    } catch (const store::DatabaseError&) {
      return Refuse(response, 503, "the changes could not be stored");
    }
    response.set_content("OK", kExactReplyType);
  }

  ServerOptions options;
  SharedDatabase shared;
  UpdateCache updates{shared, options.publicationCheck};
  httplib::Server server;
  int port = 0;
};

ProducerServer::ProducerServer(const std::string& databaseName, ServerOptions options)
    : impl_(std::make_unique<Impl>(std::move(options))) {
  OpenProducerDatabase(impl_->shared.database, databaseName);
  impl_->Configure();
}

ProducerServer::~ProducerServer() { Stop(); }

int ProducerServer::Bind() {
  Impl& impl = *impl_;
  if (impl.options.port == 0) {
    impl.port = impl.server.bind_to_any_port(impl.options.address);
  } else if (impl.server.bind_to_port(impl.options.address, impl.options.port)) {
    impl.port = impl.options.port;
  } else {
    impl.port = -1;
  }
  if (impl.port <= 0)
    throw std::runtime_error("cannot listen on " + impl.options.address + " port " + std::to_string(impl.options.port));
  return impl.port;
}

void ProducerServer::Listen() { impl_->server.listen_after_bind(); }

void ProducerServer::Stop() { impl_->server.stop(); }

bool ProducerServer::IsRunning() const { return impl_->server.is_running(); }

}  // namespace producer
