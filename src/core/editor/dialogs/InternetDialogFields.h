// The internet dialog's controls and the step fields they stand for: the FTP page (log-on
// boxes, one radio button and its boxes per FTP kind) and the Send Email page.
//
// A Send Email step packs server, port, user name and password into p1 and recipient and
// subject into p2, joined by the separator byte; an FTP step packs host, user name and
// password into p1 and keeps its file names in p2 and p3.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Command.h"

namespace vx::editor {

enum class InternetPage { Ftp = 0, Email = 1 };

// What the controls hold. The form keeps them between showings; showing a step rewrites
// only the boxes of its kind, so the others keep what the user last typed.
struct InternetValues {
  std::string ftpHost;
  std::string ftpUserName;
  std::string ftpPassword;
  std::uint8_t ftpAction = 0;  // the kind of the checked FTP radio button; 0: none checked
  std::string ftpDownloadRemote;
  std::string ftpDownloadLocal;
  std::string ftpUploadLocal;
  std::string ftpUploadRemote;
  std::string ftpRenameOld;
  std::string ftpRenameNew;
  std::string ftpDeleteFile;

  std::string smtpServer;
  std::string smtpPort;
  std::string smtpUserName;
  std::string smtpPassword;
  std::string smtpTo;
  std::string smtpSubject;
  std::string smtpBody;  // lines joined by CR LF
};

// A page as a link shows it: the page and the left band's heading.
struct InternetPageView {
  InternetPage page = InternetPage::Ftp;
  std::string title;
  std::string description;
};

// A link was clicked. The Send Email link makes the step a Send Email step; the FTP link
// leaves the kind to the radio buttons, so a Send Email step stays one until one is clicked.
InternetPageView FollowInternetLink(InternetPage page, std::uint8_t& currentKind);

// An FTP radio button was clicked. Only a button that becomes checked changes the kind.
void CheckFtpAction(InternetValues& values, std::uint8_t kind, std::uint8_t& currentKind);

struct InternetShown {
  std::uint8_t currentKind = 0;
  std::optional<InternetPageView> view;  // none for a kind this dialog does not serve
};

// The dialog opens on step (the working step) as kind: the tree's kind when adding, the
// step's own when editing. Fills the boxes of that kind from the step's fields.
InternetShown ShowInternetStep(const TCommand& step, std::uint8_t kind, InternetValues& values);

// Apply: the step becomes a step of kind, with the fields that kind uses read from the
// boxes; every other field (p3 of an FTP delete, the comment, the enabled flag) stays.
// Every separator is written, also between empty sub-fields.
void ApplyInternetStep(std::uint8_t kind, const InternetValues& values, TCommand& step);

}  // namespace vx::editor
