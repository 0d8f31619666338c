// The internet dialog (Tfrminternet): Send Email and the four FTP kinds: its pages, links
// and mapping table.
//
// A Send Email step packs server, port, user name and password into p1 and recipient and
// subject into p2, joined by the separator byte; an FTP step packs host, user name and
// password into p1 and keeps its file names in p2 and p3.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/StepKinds.h"
#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

enum class InternetPage { Ftp = 0, Email = 1 };

// The controls that hold step fields, as the mapping numbers them.
enum InternetControl : int {
  icFtpHost,            // txtftphost
  icFtpUserName,        // txtftpusername
  icFtpPassword,        // txtftppassword
  icFtpAction,          // rbftpr, rbftpdf, rbftpu, rbftpd, in the order of FtpKinds
  icFtpDownloadRemote,  // txtftpdremote
  icFtpDownloadLocal,   // txtftpdlocal
  icFtpUploadLocal,     // txtftpulocal
  icFtpUploadRemote,    // txtftpuremote
  icFtpRenameOld,       // txtftpro
  icFtpRenameNew,       // txtftprn
  icFtpDeleteFile,      // txtftpdf
  icSmtpServer,         // txtsmtpserver
  icSmtpPort,           // txtsmtpport
  icSmtpUserName,       // txtsmtpusername
  icSmtpPassword,       // txtsmtppassword
  icSmtpTo,             // txtsmtpto
  icSmtpSubject,        // txtsmtpsubject
  icSmtpBody,           // txtsmtpbody, its lines joined by CR LF
  InternetControlCount
};

// The kind each FTP radio button chooses, in the order of the buttons of icFtpAction.
inline constexpr std::array<std::uint8_t, 4> FtpKinds = {ckFtpRenameFile, ckFtpDeleteFile,
                                                         ckFtpUploadFile, ckFtpDownloadFile};

// Which control stands for which field of which kind. The form as created has every box
// empty and no radio button checked; closing empties nothing. Showing a step rewrites only
// the boxes of its kind (and checks its radio button), so the others keep what the user
// last typed. Apply writes every separator, also between empty sub-fields, and leaves the
// fields a kind does not use (p3 of an FTP delete) as they were.
extern const std::array<ControlBinding, 18> InternetMapping;

// A page as a link shows it: the page and the left band's heading.
struct InternetPageView {
  InternetPage page = InternetPage::Ftp;
  std::string title;
  std::string description;
};

// A link was clicked. The Send Email link makes the step a Send Email step; the FTP link
// leaves the kind to the radio buttons, so a Send Email step stays one until one is clicked.
InternetPageView FollowInternetLink(InternetPage page, std::uint8_t& currentKind);

// FormShow's view of a step of kind: its page's link; none for a kind the dialog does not
// serve.
std::optional<InternetPageView> InternetViewOf(std::uint8_t kind);

}  // namespace vx::editor
