#include "editor/dialogs/FrmInternet.h"

#include <array>

#include "editor/dialogs/BrowseDialogs.h"

namespace vx::editor {

namespace {

constexpr int Width = 500;
constexpr int Height = 420;
constexpr int BandWidth = 137;
constexpr int Left = 153;    // the pages' left edge
constexpr int Column = 170;  // the second column of the action group
constexpr int BoxWidth = 140;

const StepDialogFrame InternetFrame = {
    .className = "Tfrminternet",
    .caption = "Internet Operations",
    .width = Width,
    .height = Height,
    .bandWidth = BandWidth,
    .heading = "Internet Operations",
};

win32::ControlDef Label(const char* caption, int left, int top) {
  return {.caption = caption, .left = left, .top = top};
}
win32::ControlDef Box(int left, int top, int width = BoxWidth) {
  return {.left = left, .top = top, .width = width, .height = 21};
}
win32::ControlDef Radio(const char* caption, int left, int top, DWORD style = WS_TABSTOP) {
  return {.caption = caption, .left = left, .top = top, .width = 140, .height = 17, .style = style};
}
win32::ControlDef Browse(int left, int top) {
  return {.caption = "...", .left = left, .top = top, .width = 21, .height = 21};
}

}  // namespace

void Tfrminternet::Create(HWND owner) {
  std::vector<win32::ControlSlot> controls = {
      {&gotoftp, PageLinkDef("  FTP Operations", BandWidth, Height, 1)},
      {&gotoemail, PageLinkDef("  Send Email", BandWidth, Height, 0)},
  };
  for (const auto& page : {FtpPage(), MailPage()})
    controls.insert(controls.end(), page.begin(), page.end());
  CreateStepDialog(InternetFrame, owner, controls);
  StylePageLink(gotoftp);
  StylePageLink(gotoemail);
  AssignPages();
  gotoftp.OnClick = [this] { LinkClicked(InternetPage::Ftp); };
  gotoemail.OnClick = [this] { LinkClicked(InternetPage::Email); };
  BindControls();
  cmdftpdlocal.OnClick = [this] { BrowseLocal(txtftpdlocal); };
  cmdftpulocal.OnClick = [this] { BrowseLocal(txtftpulocal); };
}

std::vector<win32::ControlSlot> Tfrminternet::FtpPage() {
  const int col2 = Left + Column;
  return {
      win32::ControlSlot{&grplogon,
                         {.caption = " Log On ",
                          .left = Left,
                          .top = 36,
                          .width = Width - Left - 8,
                          .height = 98}},
      {&lblftphost, Label("Host:", Left + 10, 58)},
      {&txtftphost, Box(Left + 80, 54, 220)},
      {&lblftpusername, Label("Username:", Left + 10, 82)},
      {&txtftpusername, Box(Left + 80, 78, 220)},
      {&lblftppassword, Label("Password:", Left + 10, 106)},
      {&txtftppassword, Box(Left + 80, 102, 220)},
      {&grpaction,
       {.caption = " Action ", .left = Left, .top = 140, .width = Width - Left - 8, .height = 214}},
      {&rbftpd, Radio("Download File", Left + 10, 158, WS_GROUP | WS_TABSTOP)},
      {&lblftpdremote, Label("Remote:", Left + 24, 178)},
      {&txtftpdremote, Box(Left + 24, 192, 120)},
      {&lblftpdlocal, Label("Local:", Left + 24, 216)},
      {&txtftpdlocal, Box(Left + 24, 230, 120)},
      {&cmdftpdlocal, Browse(Left + 146, 230)},
      {&rbftpr, Radio("Rename File", Left + 10, 258)},
      {&lblftpro, Label("Old Name:", Left + 24, 278)},
      {&txtftpro, Box(Left + 24, 292, 120)},
      {&lblftprn, Label("New Name", Left + 24, 312)},
      {&txtftprn, Box(Left + 24, 326, 120)},
      {&rbftpu, Radio("Upload File", col2 + 10, 158)},
      {&lblftpulocal, Label("Local:", col2 + 24, 178)},
      {&txtftpulocal, Box(col2 + 24, 192, 120)},
      {&cmdftpulocal, Browse(col2 + 146, 192)},
      {&lblftpuremote, Label("Remote:", col2 + 24, 216)},
      {&txtftpuremote, Box(col2 + 24, 230, 120)},
      {&rbftpdf, Radio("Delete File", col2 + 10, 258)},
      {&lblftpdf, Label("File:", col2 + 24, 278)},
      {&txtftpdf, Box(col2 + 24, 292, 120)},
  };
}

std::vector<win32::ControlSlot> Tfrminternet::MailPage() {
  return {
      win32::ControlSlot{&grpsmtp,
                         {.caption = "SMTP Settings",
                          .left = Left,
                          .top = 36,
                          .width = Width - Left - 8,
                          .height = 122}},
      {&lblsmtpserver, Label("Server:", Left + 10, 58)},
      {&txtsmtpserver, Box(Left + 80, 54, 220)},
      {&lblsmtpport, Label("Port:", Left + 10, 82)},
      {&txtsmtpport, Box(Left + 80, 78, 60)},
      {&lblsmtpusername, Label("User Name:", Left + 10, 106)},
      {&txtsmtpusername, Box(Left + 80, 102, 220)},
      {&lblsmtppassword, Label("Password:", Left + 10, 130)},
      {&txtsmtppassword, Box(Left + 80, 126, 220)},
      {&grpmessage,
       {.caption = "Message", .left = Left, .top = 164, .width = Width - Left - 8, .height = 190}},
      {&lblsmtpto, Label("To:", Left + 10, 186)},
      {&txtsmtpto, Box(Left + 80, 182, 220)},
      {&lblsmtpsubject, Label("Subject:", Left + 10, 210)},
      {&txtsmtpsubject, Box(Left + 80, 206, 220)},
      {&lblsmtpbody, Label("Body:", Left + 10, 234)},
      {&txtsmtpbody,
       {.left = Left + 80,
        .top = 232,
        .width = 220,
        .height = 110,
        .style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL}},
  };
}

void Tfrminternet::AssignPages() {
  pages_.Assign(
      {{&grplogon,       &lblftphost,     &txtftphost,   &lblftpusername, &txtftpusername,
        &lblftppassword, &txtftppassword, &grpaction,    &rbftpd,         &lblftpdremote,
        &txtftpdremote,  &lblftpdlocal,   &txtftpdlocal, &cmdftpdlocal,   &rbftpr,
        &lblftpro,       &txtftpro,       &lblftprn,     &txtftprn,       &rbftpu,
        &lblftpulocal,   &txtftpulocal,   &cmdftpulocal, &lblftpuremote,  &txtftpuremote,
        &rbftpdf,        &lblftpdf,       &txtftpdf},
       {&grpsmtp, &lblsmtpserver, &txtsmtpserver, &lblsmtpport, &txtsmtpport, &lblsmtpusername,
        &txtsmtpusername, &lblsmtppassword, &txtsmtppassword, &grpmessage, &lblsmtpto, &txtsmtpto,
        &lblsmtpsubject, &txtsmtpsubject, &lblsmtpbody, &txtsmtpbody}});
  pages_.Show(static_cast<int>(InternetPage::Ftp));
}

void Tfrminternet::BindControls() {
  const std::array<win32::TRadioButton*, 4> buttons = {&rbftpr, &rbftpdf, &rbftpu, &rbftpd};
  BindMapping(InternetMapping,
              {&txtftphost, &txtftpusername, &txtftppassword,
               RadioGroup{std::vector<win32::TRadioButton*>(buttons.begin(), buttons.end())},
               NameBox{&txtftpdremote, &lblftpdremote}, NameBox{&txtftpdlocal, &lblftpdlocal},
               NameBox{&txtftpulocal, &lblftpulocal}, NameBox{&txtftpuremote, &lblftpuremote},
               NameBox{&txtftpro, &lblftpro}, NameBox{&txtftprn, &lblftprn},
               NameBox{&txtftpdf, &lblftpdf}, &txtsmtpserver, &txtsmtpport, &txtsmtpusername,
               &txtsmtppassword, &txtsmtpto, &txtsmtpsubject, &txtsmtpbody});
  // A button runs its click only as it becomes checked: a click on the button left checked
  // from an earlier showing keeps a Send Email step one.
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->OnClick = [this, i] { SetCurrentKind(FtpKinds[i]); };
}

void Tfrminternet::FillControls() {
  ShowMappedStep();
  if (const auto view = InternetViewOf(ShownStep().kind)) ShowView(*view);
}

void Tfrminternet::ShowView(const InternetPageView& view) {
  pages_.Show(static_cast<int>(view.page));
  SetHeading(view.title, view.description);
}

void Tfrminternet::LinkClicked(InternetPage page) {
  std::uint8_t kind = CurrentKind();
  const InternetPageView view = FollowInternetLink(page, kind);
  SetCurrentKind(kind);
  ShowView(view);
}

// One save dialog for both boxes, so a name that does not exist yet is taken for an upload too.
void Tfrminternet::BrowseLocal(win32::TEdit& box) {
  if (const auto file = ChooseFile(Handle(), {.filter = "All Files (*.*)|*.*", .save = true}))
    box.SetText(*file);
}

void Tfrminternet::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
}

}  // namespace vx::editor
