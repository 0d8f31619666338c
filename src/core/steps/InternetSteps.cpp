#include "core/steps/InternetSteps.h"

#include "core/IntegerText.h"
#include "core/StepKinds.h"
#include "core/ports/FtpPort.h"
#include "core/ports/SmtpPort.h"

namespace vx {
namespace {

// Every step opens its own connection and closes it again. When a call raises, the step's
// later lines are not written and no Disconnect or Quit follows: the error ends the run.
void SendEmail(StepContext& context, const TCommand& step) {
  SmtpPort& smtp = context.ports.smtp;
  const Variables& variables = context.state.variables;
  // The port is converted first, so a bad port fails before anything is logged.
  const std::int32_t port = StrToInt(GetField(step.p1, FieldSeparator, 1));
  smtp.SetConnection(GetField(step.p1, FieldSeparator, 0), port,
                     GetField(step.p1, FieldSeparator, 2), GetField(step.p1, FieldSeparator, 3));
  SmtpMessage message;
  message.recipients = variables.SubstituteVariables(GetField(step.p2, FieldSeparator, 0));
  message.subject = variables.SubstituteVariables(GetField(step.p2, FieldSeparator, 1));
  message.body = variables.SubstituteVariables(step.p3);

  context.log.Add("Connecting to SMTP server...");
  smtp.Connect();
  context.log.Add("Sending Message...");
  smtp.Send(message);
  context.log.Add("Diconnecting...");
  smtp.Disconnect();
}

struct FtpLines {
  const char* connected;
  const char* closing;
};

FtpLines LinesFor(std::uint8_t kind) {
  switch (kind) {
    case ckFtpRenameFile:
      return {"Connected, Renaming file...", "File Renamed, Disconnecting..."};
    case ckFtpDeleteFile:
      return {"Connected, Deleting file...", "File Deleted, Disconnecting..."};
    case ckFtpUploadFile:
      return {"Connected, Uploading file...", "File Uploaded, Disconnecting"};
    default:
      return {"Connected, Downloading file...", "File Downloaded, Disconnecting"};
  }
}

void PerformFtpOperation(FtpPort& ftp, const TCommand& step) {
  switch (step.kind) {
    case ckFtpRenameFile:
      ftp.Rename(step.p2, step.p3);
      break;
    case ckFtpDeleteFile:
      ftp.Delete(step.p2);
      break;
    case ckFtpUploadFile:
      ftp.Put(step.p2, step.p3);
      break;
    default:
      ftp.Get(step.p3, step.p2);
      break;
  }
}

// Kinds 236 to 239: every FTP field is used as written, no variables.
void FtpStep(StepContext& context, const TCommand& step) {
  FtpPort& ftp = context.ports.ftp;
  const FtpLines lines = LinesFor(step.kind);
  ftp.SetConnection(GetField(step.p1, FieldSeparator, 0), GetField(step.p1, FieldSeparator, 1),
                    GetField(step.p1, FieldSeparator, 2));
  context.log.Add("Connecting...");
  ftp.Connect();
  context.log.Add(lines.connected);
  PerformFtpOperation(ftp, step);
  context.log.Add(lines.closing);
  ftp.Quit();
}

}  // namespace

void ExecuteInternetStep(StepContext& context, const TCommand& step) {
  switch (step.kind) {
    case ckSendEmail:
      SendEmail(context, step);
      break;
    case ckFtpRenameFile:
    case ckFtpDeleteFile:
    case ckFtpUploadFile:
    case ckFtpDownloadFile:
      FtpStep(context, step);
      break;
    default:
      break;
  }
}

}  // namespace vx
