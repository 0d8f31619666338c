#include "core/editor/dialogs/InternetDialogFields.h"

namespace vx::editor {

namespace {

constexpr int FtpPage = static_cast<int>(InternetPage::Ftp);
constexpr int EmailPage = static_cast<int>(InternetPage::Email);

constexpr KindSet FtpKindSet{ckFtpRenameFile, ckFtpDeleteFile, ckFtpUploadFile, ckFtpDownloadFile};
constexpr KindSet EmailKindSet{ckSendEmail};

// A log-on or message box: one sub-field of a packed field. The boxes refuse the separator;
// the codec keeps a step sound whatever reached the box.
constexpr ControlBinding Packed(int control, int page, Slot slot, int sub, KindSet kinds) {
  return {.control = control,
          .page = page,
          .field = {slot, static_cast<std::int8_t>(sub)},
          .kinds = kinds,
          .codec = SubFieldCodec};
}

// A box that is a whole field of one kind: a file name, or the mail body.
constexpr ControlBinding Whole(int control, int page, Slot slot, std::uint8_t kind) {
  return {.control = control, .page = page, .field = {slot}, .kinds = {kind}};
}

}  // namespace

const std::array<ControlBinding, 18> InternetMapping{{
    Packed(icFtpHost, FtpPage, Slot::P1, 0, FtpKindSet),
    Packed(icFtpUserName, FtpPage, Slot::P1, 1, FtpKindSet),
    Packed(icFtpPassword, FtpPage, Slot::P1, 2, FtpKindSet),
    {.control = icFtpAction,
     .page = FtpPage,
     .kinds = FtpKindSet,
     .codec = KindChoiceCodec(FtpKinds)},
    Whole(icFtpRenameOld, FtpPage, Slot::P2, ckFtpRenameFile),
    Whole(icFtpRenameNew, FtpPage, Slot::P3, ckFtpRenameFile),
    Whole(icFtpDeleteFile, FtpPage, Slot::P2, ckFtpDeleteFile),
    Whole(icFtpUploadLocal, FtpPage, Slot::P2, ckFtpUploadFile),
    Whole(icFtpUploadRemote, FtpPage, Slot::P3, ckFtpUploadFile),
    Whole(icFtpDownloadLocal, FtpPage, Slot::P2, ckFtpDownloadFile),
    Whole(icFtpDownloadRemote, FtpPage, Slot::P3, ckFtpDownloadFile),
    Packed(icSmtpServer, EmailPage, Slot::P1, 0, EmailKindSet),
    Packed(icSmtpPort, EmailPage, Slot::P1, 1, EmailKindSet),
    Packed(icSmtpUserName, EmailPage, Slot::P1, 2, EmailKindSet),
    Packed(icSmtpPassword, EmailPage, Slot::P1, 3, EmailKindSet),
    Packed(icSmtpTo, EmailPage, Slot::P2, 0, EmailKindSet),
    Packed(icSmtpSubject, EmailPage, Slot::P2, 1, EmailKindSet),
    Whole(icSmtpBody, EmailPage, Slot::P3, ckSendEmail),
}};

InternetPageView FollowInternetLink(InternetPage page, std::uint8_t& currentKind) {
  if (page == InternetPage::Email) {
    currentKind = ckSendEmail;
    return {page, StepKindName(ckSendEmail), StepKindDescription(ckSendEmail)};
  }
  return {page, "FTP Operations", StepKindDescription(ckFtpDownloadFile)};
}

std::optional<InternetPageView> InternetViewOf(std::uint8_t kind) {
  if (kind == ckSendEmail) return FollowInternetLink(InternetPage::Email, kind);
  if (FtpKindSet.Has(kind)) return FollowInternetLink(InternetPage::Ftp, kind);
  return std::nullopt;
}

}  // namespace vx::editor
