// The internet dialog: Send Email and the four FTP steps.
#pragma once

#include <vector>

#include "core/editor/dialogs/InternetDialogFields.h"
#include "editor/dialogs/DialogPages.h"
#include "editor/dialogs/GroupFrame.h"
#include "editor/dialogs/StepDialog.h"
#include "editor/dialogs/SubFieldEdit.h"

namespace vx::editor {

class Tfrminternet : public TStepDialog {
 public:
  void Create(HWND owner);

  win32::TLabelEx gotoftp;
  win32::TLabelEx gotoemail;
  // tsftp
  TGroupFrame grplogon;  // " Log On "
  win32::TLabel lblftphost, lblftpusername, lblftppassword;
  TSubFieldEdit txtftphost, txtftpusername, txtftppassword;
  TGroupFrame grpaction;  // " Action "
  win32::TRadioButton rbftpd;
  win32::TLabel lblftpdremote, lblftpdlocal;
  win32::TNameEdit txtftpdremote, txtftpdlocal;
  win32::TButton cmdftpdlocal;
  win32::TRadioButton rbftpu;
  win32::TLabel lblftpulocal, lblftpuremote;
  win32::TNameEdit txtftpulocal, txtftpuremote;
  win32::TButton cmdftpulocal;
  win32::TRadioButton rbftpr;
  win32::TLabel lblftpro, lblftprn;
  win32::TNameEdit txtftpro, txtftprn;
  win32::TRadioButton rbftpdf;
  win32::TLabel lblftpdf;
  win32::TNameEdit txtftpdf;
  // tssendmail
  TGroupFrame grpsmtp;  // "SMTP Settings"
  win32::TLabel lblsmtpserver, lblsmtpport, lblsmtpusername, lblsmtppassword;
  TSubFieldEdit txtsmtpserver, txtsmtpport, txtsmtpusername, txtsmtppassword;
  TGroupFrame grpmessage;  // "Message"
  win32::TLabel lblsmtpto, lblsmtpsubject, lblsmtpbody;
  TSubFieldEdit txtsmtpto, txtsmtpsubject;
  win32::TEdit txtsmtpbody;

  InternetPage ShownPage() const { return static_cast<InternetPage>(pages_.Shown()); }

 protected:
  void FillControls() override;
  void WriteFields(TCommand& step) override;

 private:
  // Each page's controls, in tab order.
  std::vector<win32::ControlSlot> FtpPage();
  std::vector<win32::ControlSlot> MailPage();
  void AssignPages();
  // The controls in the mapping's numbering, and the FTP buttons' kinds.
  void BindControls();
  void ShowView(const InternetPageView& view);
  void LinkClicked(InternetPage page);
  void BrowseLocal(win32::TEdit& box);

  DialogPages pages_;
};

}  // namespace vx::editor
