#include "core/editor/dialogs/InternetDialogFields.h"

#include "core/StepKinds.h"
#include "core/editor/dialogs/CriteriaBoxes.h"

namespace vx::editor {

namespace {

bool IsFtpKind(std::uint8_t kind) {
  return kind >= ckFtpRenameFile && kind <= ckFtpDownloadFile;
}

std::string Field(const std::string& text, std::int32_t n) {
  return GetField(text, FieldSeparator, n);
}

// A box's text as one sub-field. The boxes already refuse the separator; this keeps a
// step sound whatever reached the box.
std::string Sub(const std::string& text) {
  return SubFieldBoxPaste(text);
}

void ShowFtpBoxes(const TCommand& step, std::uint8_t kind, InternetValues& values) {
  values.ftpHost = Field(step.p1, 0);
  values.ftpUserName = Field(step.p1, 1);
  values.ftpPassword = Field(step.p1, 2);
  switch (kind) {
    case ckFtpRenameFile:
      values.ftpRenameOld = step.p2;
      values.ftpRenameNew = step.p3;
      break;
    case ckFtpDeleteFile:
      values.ftpDeleteFile = step.p2;
      break;
    case ckFtpUploadFile:
      values.ftpUploadLocal = step.p2;
      values.ftpUploadRemote = step.p3;
      break;
    default:
      values.ftpDownloadLocal = step.p2;
      values.ftpDownloadRemote = step.p3;
      break;
  }
}

void ShowEmailBoxes(const TCommand& step, InternetValues& values) {
  values.smtpServer = Field(step.p1, 0);
  values.smtpPort = Field(step.p1, 1);
  values.smtpUserName = Field(step.p1, 2);
  values.smtpPassword = Field(step.p1, 3);
  values.smtpTo = Field(step.p2, 0);
  values.smtpSubject = Field(step.p2, 1);
  values.smtpBody = step.p3;
}

void ApplyFtpBoxes(std::uint8_t kind, const InternetValues& values, TCommand& step) {
  step.p1 = Sub(values.ftpHost) + FieldSeparator + Sub(values.ftpUserName) + FieldSeparator +
            Sub(values.ftpPassword);
  switch (kind) {
    case ckFtpRenameFile:
      step.p2 = values.ftpRenameOld;
      step.p3 = values.ftpRenameNew;
      break;
    case ckFtpDeleteFile:
      step.p2 = values.ftpDeleteFile;
      break;
    case ckFtpUploadFile:
      step.p2 = values.ftpUploadLocal;
      step.p3 = values.ftpUploadRemote;
      break;
    default:
      step.p2 = values.ftpDownloadLocal;
      step.p3 = values.ftpDownloadRemote;
      break;
  }
}

}  // namespace

InternetPageView FollowInternetLink(InternetPage page, std::uint8_t& currentKind) {
  if (page == InternetPage::Email) {
    currentKind = ckSendEmail;
    return {page, StepKindName(ckSendEmail), StepKindDescription(ckSendEmail)};
  }
  return {page, "FTP Operations", StepKindDescription(ckFtpDownloadFile)};
}

void CheckFtpAction(InternetValues& values, std::uint8_t kind, std::uint8_t& currentKind) {
  if (values.ftpAction == kind) return;
  values.ftpAction = kind;
  currentKind = kind;
}

InternetShown ShowInternetStep(const TCommand& step, std::uint8_t kind, InternetValues& values) {
  InternetShown shown;
  shown.currentKind = kind;
  if (kind == ckSendEmail) {
    ShowEmailBoxes(step, values);
    shown.view = FollowInternetLink(InternetPage::Email, shown.currentKind);
  } else if (IsFtpKind(kind)) {
    ShowFtpBoxes(step, kind, values);
    CheckFtpAction(values, kind, shown.currentKind);
    shown.view = FollowInternetLink(InternetPage::Ftp, shown.currentKind);
  }
  return shown;
}

void ApplyInternetStep(std::uint8_t kind, const InternetValues& values, TCommand& step) {
  step.kind = kind;
  if (kind == ckSendEmail) {
    step.p1 = Sub(values.smtpServer) + FieldSeparator + Sub(values.smtpPort) + FieldSeparator +
              Sub(values.smtpUserName) + FieldSeparator + Sub(values.smtpPassword);
    step.p2 = Sub(values.smtpTo) + FieldSeparator + Sub(values.smtpSubject);
    step.p3 = values.smtpBody;
  } else if (IsFtpKind(kind)) {
    ApplyFtpBoxes(kind, values, step);
  }
}

}  // namespace vx::editor
