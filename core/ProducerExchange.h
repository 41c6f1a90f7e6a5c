#pragma once
// The handbook's exchange with the producer, wired from the exchange's documents to the HTTP
// client, the store and the message boxes: the update check, the download and application of an
// update, and sending the local changes. The windows only call in.
#include <functional>
#include <string>
#include <vector>

#include "core/TransferFeedback.h"

namespace core {

class Handbook;

class ProducerExchange {
 public:
  // `showReport` shows the titles an update brought (the report window, modally).
  using ReportShower = std::function<void(const std::vector<std::string>& titles)>;

  // `showFeedback` makes what the person sees while a transfer they asked for or agreed to runs.
  ProducerExchange(Handbook& handbook, ReportShower showReport, TransferFeedbackMaker showFeedback = {});

  // The scheduled check: asks the producer once the last update is seven days old. Its count
  // request is silent and leaves the windows usable. Errors of the settings reach the caller; a
  // check while another one or a transfer of the person's is still open is skipped.
  void CheckForUpdates();
  // The person's own count request and the offer, without the seven-day test; silent on every
  // error. It ends a running scheduled request first.
  void QueryUpdateCount();
  // Fetches, checks and applies the update since FLastUpdate; silent on every error.
  void DownloadUpdate();
  // "Послать изменения производителю": the changed terms to the producer after a confirmation.
  // Errors of the transfer reach the caller.
  void SendChanges();

 private:
  class PersonsTransfer;

  void AskForUpdateCount();
  bool UploadChanges(const std::string& document);

  Handbook& handbook_;
  ReportShower showReport_;
  TransferFeedbackMaker showFeedback_;
  TransferFeedback* feedback_ = nullptr;  // of the person's transfer running now
  bool checking_ = false;
};

}  // namespace core
