#include "core/StepKinds.h"

namespace vx {

// The texts are stored exactly as users have always seen them, spelling included.
const std::array<TIDLib, StepKindCount> StepKindTable = {{
    {ckRecord, "Record", 35, "Record Mouse and Keyboard movements so you can play them later."},
    {ckSetVariable, "Set Variable", 27,
     "Create a user defined variable. If the variable already exists, its value will be "
     "overwritten. User defined variables have many uses, for example you can use them when "
     "reading or writing to files."},
    {ckDeleteObject, "Delete Object", 6,
     "Delete a collection of items.The Delete permanently option will not send the deleted "
     "items to the recycle bin."},
    {ckRunObject, "Run Object", 7,
     "Run a collection of items. Use the Wait to option to wait for the executed file to be "
     "closed to proceed, however this option will not work with folders. You can add any "
     "additional parameters in the paramter field."},
    {ckRenameObject, "Rename Object", 5,
     "Rename an item. It can be used only on a single file or folder otherwise an error occurs, "
     "so it is better to check if the object criteria you specified always returns only ONE "
     "item."},
    {ckMoveObject, "Move Object", 4, "Move a collection of items from one location to another."},
    {ckCopyObject, "Copy Object", 3, "Copy a collection of items from one location to another."},
    {ckReadFromFile, "Read From File", 8,
     "Read From a file and put the data in a variable. Variable must be declared first."},
    {ckWriteToFile, "Write To File", 9, "Write a variable content to a file."},
    {ckFtpDownloadFile, "Ftp Download File", 12,
     "Execute FTP operations. Actions include uploading, downloading, deleting and more."},
    {ckFtpUploadFile, "Ftp Upload File", 11, "Upload a file to the user server."},
    {ckFtpDeleteFile, "Ftp Delete File", 14, "Delete a file on the specified server."},
    {ckFtpRenameFile, "Ftp Rename File", 13, "Rename File on the specified server"},
    {ckSendEmail, "Send Email", 10, "Send an email using SMTP."},
    {ckActivateWindow, "Activate Window", 16,
     "Various options to change the state of a window. The Window is identified by it is class "
     "name. However, it is possible to find more than on window with same class name, in this "
     "case the first matching window is used."},
    {ckMinimizeWindow, "Minimize Window", 17,
     "Allow you to Minimize Window. The window is identified by uts class name"},
    {ckMaximizeWindow, "Maximize Window", 18, ""},
    {ckCloseWindow, "Close Window", 19, ""},
    {ckKillWindow, "Kill Window", 20,
     "This will close the window without allowing it to save it content. It is s just like as "
     "if you End Tasked it from the Windows Task Manager."},
    {ckShowDesktop, "Show Desktop", 22, ""},
    {ckCloseAllWindows, "Close All Windows", 21, "Close All Windows"},
    {ckShowMessage, "Show Message", 15,
     "Dispaply a Message to the user with the specified paramters."},
    {ckLogOFFCurrentUser, "Log OFF Current User", 31,
     "Allow you to change System State. You can Restart, Shutdown or lock the computer from "
     "this panel."},
    {ckLockComputer, "Lock Computer", 30, ""},
    {ckHibernateSystem, "Hibernate System", 33, ""},
    {ckRestartWindows, "Restart Windows", 32, ""},
    {ckShutdownWindows, "Shutdown Windows", 34, ""},
    {ckCallDLLFunction, "Call DLL Function", 29,
     "Call a Dll function by name. You can call either API function or normal DLL function from "
     "this form. However, you must the name of the function(case sensitive) and the "
     "parameters."},
    {ckExecutionSpeed, "Execution Speed", 28,
     "Set Execution Speed for the script. This value specify the pause between each action in "
     "millisecond. This can be usefull when certain steps need additional time to finish like "
     "running big applicatoins."},
    {ckWait, "Wait", 26,
     "This will pause the script and do nothing for the amount of time you specify in "
     "millisecond. This is useful when you want to wait for a previous task to finish."},
    {ckMouseMove, "Mouse Move", 24,
     "Control the mouse by moving it accross the screen. You simulate mouse clicks and drag "
     "drops using this panel."},
    {ckMouseClick, "Mouse Click", 25, ""},
    {ckSendKeys, "Send Keys", 23,
     "Control the Keyboard. Allow you to send keys to specific windows. You can send either "
     "character by character or all at once(recommened). What the second option do basically "
     "is copying all the text to the clipboard and simulating a Ctrl+V click, so it will not "
     "work with special characters."},
    {ckGetClipboard, "Get Clipboard", 0,
     "Control the system Clipboard. You get the clipboard content and save it to a variable or "
     "set the content using a variable."},
    {ckSetClipboard, "Set Clipboard", 1, ""},
    {ckClearClipboard, "Clear Clipboard", 2, ""},
}};

namespace {

const TIDLib& EntryForCode(std::uint8_t code) {
  for (std::size_t i = 0; i + 1 < StepKindCount; ++i) {
    if (StepKindTable[i].code == code) return StepKindTable[i];
  }
  return StepKindTable[StepKindCount - 1];
}

}  // namespace

std::string StepKindName(std::uint8_t code) { return EntryForCode(code).name; }

std::string StepKindDescription(std::uint8_t code) { return EntryForCode(code).description; }

std::uint8_t StepKindImageIndex(std::uint8_t code) { return EntryForCode(code).imageIndex; }

std::uint8_t StepKindFromName(const std::string& name) {
  for (std::size_t i = 0; i + 1 < StepKindCount; ++i) {
    if (name == StepKindTable[i].name) return StepKindTable[i].code;
  }
  return StepKindTable[StepKindCount - 1].code;
}

}  // namespace vx
