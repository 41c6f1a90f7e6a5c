#include "core/ProducerExchange.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/EditorialTools.h"
#include "core/Handbook.h"
#include "exchange/ChangeDocument.h"
#include "exchange/ChangedTerms.h"
#include "exchange/ChangesUpload.h"
#include "exchange/SendChangesMessages.h"
#include "exchange/UpdateApplication.h"
#include "exchange/UpdateBody.h"
#include "exchange/UpdateCheckSchedule.h"
#include "exchange/UpdateCountReply.h"
#include "exchange/UpdateCountRequest.h"
#include "exchange/UpdateDocumentReader.h"
#include "exchange/UpdateOfferPrompt.h"
#include "exchange/LastUpdateSetting.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/ProducerAddress.h"
#include "platform/SettingsStore.h"
#include "text/Cp1251.h"
#include "text/TextUtilities.h"

namespace core {
namespace {

// Set on the shared client by the first download; it stays for every later request of the run.
constexpr const char* kAcceptEncoding = "compress; q=.5, gzip";

// Marks a check as open for as long as it runs, prompt, download and report included. The
// person's check may run inside a scheduled one whose request it ended.
class CheckInProgress {
 public:
  explicit CheckInProgress(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~CheckInProgress() { flag_ = was_; }
  CheckInProgress(const CheckInProgress&) = delete;
  CheckInProgress& operator=(const CheckInProgress&) = delete;

 private:
  bool& flag_;
  bool was_;
};

// The copy of the last update document is the very file the editorial tools sift.
void KeepCopyOfDocument(const std::string& document) {
  std::filesystem::create_directories(TermInputFile().parent_path());
  std::ofstream copy(TermInputFile(), std::ios::binary | std::ios::trunc);
  copy.write(document.data(), static_cast<std::streamsize>(document.size()));
  if (!copy) throw std::runtime_error("cannot write the copy of the update document");
}

}  // namespace

// The person's transfer: a scheduled request still running is ended first, so the client is
// theirs; the feedback shows for as long as this lives. Nested ones share the outermost.
class ProducerExchange::PersonsTransfer {
 public:
  explicit PersonsTransfer(ProducerExchange& exchange) : exchange_(exchange) {
    exchange_.handbook_.IdHTTP1.Cancel();
    if (exchange_.feedback_ || !exchange_.showFeedback_) return;
    feedback_ = exchange_.showFeedback_();
    exchange_.feedback_ = feedback_.get();
  }
  ~PersonsTransfer() {
    if (feedback_) exchange_.feedback_ = nullptr;
  }
  PersonsTransfer(const PersonsTransfer&) = delete;
  PersonsTransfer& operator=(const PersonsTransfer&) = delete;

 private:
  ProducerExchange& exchange_;
  std::unique_ptr<TransferFeedback> feedback_;
};

ProducerExchange::ProducerExchange(Handbook& handbook, ReportShower showReport, TransferFeedbackMaker showFeedback)
    : handbook_(handbook), showReport_(std::move(showReport)), showFeedback_(std::move(showFeedback)) {}

void ProducerExchange::CheckForUpdates() {
  if (checking_ || feedback_) return;
  platform::SettingsStore settings;
  const exchange::UpdateCheckDecision decision = exchange::DecideUpdateCheck(settings);
  handbook_.FLastUpdate = decision.lastUpdate;
  if (decision.askProducer) AskForUpdateCount();
}

void ProducerExchange::QueryUpdateCount() {
  const PersonsTransfer transfer(*this);
  AskForUpdateCount();
}

void ProducerExchange::AskForUpdateCount() {
  const CheckInProgress open(checking_);
  try {
    const std::string reply =
        handbook_.IdHTTP1.Get(exchange::UpdateCountUrl(handbook_.FLastUpdate), exchange::kMaxUpdateCountReplyBytes);
    if (exchange::ReplyHasNoUpdates(reply)) return;
    const platform::MessageAnswer answer =
        platform::Boxes().Ask(exchange::UpdateOfferText(exchange::SplitUpdateCountReply(reply)),
                              exchange::UpdateOfferCaption(), platform::MessageButtons::YesNo,
                              platform::MessageIcon::None);
    if (answer == platform::MessageAnswer::Yes) {
      DownloadUpdate();
    } else {
      platform::SettingsStore settings;
      exchange::RememberDeclinedUpdate(settings);
    }
  } catch (...) {
    // The check is the program's own idea: a producer out of reach is no news to the person.
  }
}

void ProducerExchange::DownloadUpdate() {
  const PersonsTransfer transfer(*this);
  try {
    handbook_.IdHTTP1.SetHeader("Accept-Encoding", kAcceptEncoding);
    const std::string body = handbook_.IdHTTP1.Get(exchange::UpdateDownloadUrl(handbook_.FLastUpdate));
    const std::string document = exchange::UnpackUpdateBody(body);
    KeepCopyOfDocument(document);
    const exchange::UpdateApplication applied = exchange::ApplyUpdateDocument(
        exchange::UpdateTarget{handbook_.IBDatabase1, handbook_.IBQuery1, handbook_.IBQuery2,
                               handbook_.FCurrentSection},
        exchange::ReadUpdateDocument(document), platform::SupportEmail(), [this](std::size_t applied, std::size_t all) {
          if (feedback_) feedback_->TermsApplied(applied, all);
        });
    // A damaged or mismatched document leaves the date, so the next check asks for it again.
    if (applied.outcome != exchange::UpdateOutcome::Complete) return;
    platform::SettingsStore settings;
    exchange::WriteLastUpdate(settings, platform::Now());
    const platform::MessageAnswer answer =
        platform::Boxes().Ask(text::Utf8ToCp1251("Вы хотите увидеть список новых и обновленных записей?"), "",
                              platform::MessageButtons::YesNo, platform::MessageIcon::None);
    if (answer == platform::MessageAnswer::Yes && showReport_) showReport_(applied.reportTitles);
  } catch (...) {
    // As the check that started it: silent.
  }
}

void ProducerExchange::SendChanges() {
  const PersonsTransfer transfer(*this);
  const std::vector<std::string> lines =
      exchange::ChangeDocumentLines(exchange::ReadChangedTerms(handbook_.IBQuery1));
  if (exchange::IsEmptyChangeDocument(lines)) {
    platform::Boxes().ShowMessage(exchange::NoChangesMessage());
    return;
  }
  const std::string document = exchange::JoinChangeDocument(lines);
  if (platform::Boxes().Ask(exchange::SendConfirmationText(document.size()), exchange::SendConfirmationCaption(),
                            platform::MessageButtons::YesNo,
                            platform::MessageIcon::None) != platform::MessageAnswer::Yes)
    return;
  if (!UploadChanges(document)) return;
  exchange::SettleSentChanges(handbook_.IBQuery1, handbook_.IBDatabase1);
  // The sent "*" rows are gone: list the category again so they leave the grid too.
  if (handbook_.IBQuery2.IsOpen()) {
    handbook_.IBQuery2.Close();
    handbook_.IBQuery2.Open();
  }
}

bool ProducerExchange::UploadChanges(const std::string& document) {
  const exchange::ChangesUploadRequest request = exchange::MakeChangesUploadRequest(
      platform::ProducerBaseUrl(), document, exchange::ChangesUploadBoundary());
  const std::string reply = handbook_.IdHTTP1.Post(request.url, request.contentType, request.body);
  if (exchange::IsChangesUploadAccepted(reply)) {
    platform::Boxes().ShowMessage(exchange::UploadSucceededMessage());
    return true;
  }
  platform::Boxes().ShowMessage(exchange::UploadFailedMessage(platform::SupportEmail()));
  return false;
}

}  // namespace core
