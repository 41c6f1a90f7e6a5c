#include "store/Database.h"

#include <algorithm>
#include <vector>

#include "store/DatabaseClient.h"
#include "store/FirebirdApi.h"

namespace store {

struct Database::Impl {
  std::string name;
  int serverPort = 0;
  int pageCache = 0;
  Firebird::IAttachment* attachment = nullptr;
  Firebird::ITransaction* transaction = nullptr;
  std::vector<DatabaseClient*> clients;

  void TellClients(void (DatabaseClient::*event)()) {
    for (DatabaseClient* client : std::vector(clients)) (client->*event)();
  }

  Firebird::IAttachment* Attach(Database& self) {
    if (!attachment) self.Open();
    return attachment;
  }

  Firebird::ITransaction* Begin(Database& self) {
    Firebird::IAttachment* a = Attach(self);
    if (!transaction) {
      fb::Status status;
      transaction = fb::Guarded([&] { return a->startTransaction(&status, 0, nullptr); });
    }
    return transaction;
  }

  // Commit or rollback; the interface is released only when the call succeeds.
  void End(bool commit) {
    if (!transaction) return;
    TellClients(&DatabaseClient::TransactionEnding);
    fb::Status status;
    fb::Guarded([&] { commit ? transaction->commit(&status) : transaction->rollback(&status); });
    transaction = nullptr;
  }

  // Commit, and when that fails roll back; whatever happens the transaction is gone afterwards.
  void Finish() {
    if (!transaction) return;
    try {
      End(true);
      return;
    } catch (const DatabaseError&) {
    }
    try {
      End(false);
    } catch (const DatabaseError&) {
      transaction->release();
      transaction = nullptr;
    }
  }
};

DatabaseClient::DatabaseClient(Database& database) : database_(&database) {
  database_->impl_->clients.push_back(this);
}

DatabaseClient::~DatabaseClient() {
  if (database_) std::erase(database_->impl_->clients, this);
}

Firebird::IAttachment* DatabaseClient::Attachment() {
  if (!database_) throw DatabaseError("The database of this statement no longer exists");
  return database_->impl_->Attach(*database_);
}

Firebird::ITransaction* DatabaseClient::Transaction() {
  if (!database_) throw DatabaseError("The database of this statement no longer exists");
  return database_->impl_->Begin(*database_);
}

Database::Database() : impl_(std::make_unique<Impl>()) {}

// Statement objects that outlive the database (members destroyed in the other order) only fail.
Database::~Database() {
  Close();
  for (DatabaseClient* client : impl_->clients) client->database_ = nullptr;
}

void Database::SetDatabaseName(std::string name) { impl_->name = std::move(name); }

const std::string& Database::DatabaseName() const { return impl_->name; }

void Database::SetServerPort(int port) { impl_->serverPort = port; }

void Database::SetPageCache(int pages) { impl_->pageCache = pages; }

void Database::Open() {
  if (impl_->attachment) return;
  const std::vector<unsigned char> parameters = fb::AttachParameters(impl_->name, impl_->serverPort, impl_->pageCache);
  impl_->attachment = fb::WithProvider([&](Firebird::IProvider* provider, fb::Status& status) {
    return provider->attachDatabase(&status, impl_->name.c_str(), static_cast<unsigned>(parameters.size()),
                                    parameters.data());
  });
}

void Database::Create(std::string name) {
  Close();
  SetDatabaseName(std::move(name));
  const std::vector<unsigned char> parameters = fb::CreateParameters(impl_->name);
  impl_->attachment = fb::WithProvider([&](Firebird::IProvider* provider, fb::Status& status) {
    return provider->createDatabase(&status, impl_->name.c_str(), static_cast<unsigned>(parameters.size()),
                                    parameters.data());
  });
}

void Database::Open(std::string name) {
  Close();
  SetDatabaseName(std::move(name));
  Open();
}

void Database::Close() {
  if (!impl_->attachment) return;
  impl_->Finish();
  impl_->TellClients(&DatabaseClient::Disconnecting);
  try {
    fb::Status status;
    impl_->attachment->detach(&status);
  } catch (const Firebird::FbException&) {
    impl_->attachment->release();
  }
  impl_->attachment = nullptr;
}

bool Database::IsOpen() const { return impl_->attachment != nullptr; }

bool Database::InTransaction() const { return impl_->transaction != nullptr; }

void Database::Commit() { impl_->End(true); }

void Database::Rollback() { impl_->End(false); }

void Database::CommitRetaining() {
  if (!impl_->transaction) return;
  fb::Status status;
  fb::Guarded([&] { impl_->transaction->commitRetaining(&status); });
}

}  // namespace store
