// "Shell.Application", created by its programmatic identifier and called late bound, the
// way an automation client does.
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "core/Errors.h"
#include "win32/system/SystemText.h"
#include "win32/system/Win32Windows.h"

namespace vx::win32 {

namespace {

// The system's text for an HRESULT, without the trailing line break and full stop.
std::string ComMessage(HRESULT result) {
  std::string text = SystemErrorText(static_cast<unsigned long>(result));
  if (text.empty()) {
    char fallback[32];
    ::wsprintfA(fallback, "OLE error %08X", static_cast<unsigned>(result));
    text = fallback;
  }
  return text;
}

void Check(HRESULT result) {
  if (FAILED(result)) throw ComError(ComMessage(result));
}

// Owns one reference to the object; copying would double the release.
class Win32ShellApplication : public ShellApplication {
 public:
  explicit Win32ShellApplication(IDispatch* dispatch) : dispatch_(dispatch) {}
  Win32ShellApplication(const Win32ShellApplication&) = delete;
  Win32ShellApplication& operator=(const Win32ShellApplication&) = delete;
  ~Win32ShellApplication() override { dispatch_->Release(); }

  void MinimizeAll() override {
    OLECHAR name[] = L"MinimizeAll";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    Check(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                                         &result, &exception, &badArgument);
    ::VariantClear(&result);
    // An exception raised by the object says more than the bare DISP_E_EXCEPTION.
    const std::string description =
        exception.bstrDescription ? NarrowText(exception.bstrDescription, CP_ACP) : std::string();
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrHelpFile);
    if (hr == DISP_E_EXCEPTION && !description.empty()) throw ComError(description);
    Check(hr);
  }

 private:
  IDispatch* dispatch_;
};

}  // namespace

std::unique_ptr<ShellApplication> CreateWin32ShellApplication() {
  CLSID id{};
  Check(::CLSIDFromProgID(L"Shell.Application", &id));
  IDispatch* dispatch = nullptr;
  Check(::CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                           reinterpret_cast<void**>(&dispatch)));
  return std::make_unique<Win32ShellApplication>(dispatch);
}

}  // namespace vx::win32
