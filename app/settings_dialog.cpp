// The configuration mode's dialogs: the settings dialog (picture position, and the buttons to
// the display settings, the sound settings and the maker's website) and the sound dialog. The
// display settings are written when the dialog opens and on OK; Cancel reads them back.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/dialog_helpers.h"
#include "app/dialog_ids.h"
#include "app/display_settings_dialog.h"
#include "app/moire_screensaver.h"
#include "app/open_url.h"
#include "app/screen_settings.h"
#include "app/settings_registry.h"

namespace {

const wchar_t* const PicturePositions[] = {L"Stretch", L"Fit", L"Fill"};
const wchar_t* const MakerWebPage =
    L"http://www.example.com/brindlewick/"
    L"?utm_source=screensaver&utm_medium=website&utm_campaign=customer_content&utm_nooverride=1";

INT_PTR CALLBACK SoundDialogStub(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return TheSaver ? TheSaver->SoundDialogProc(dialog, message, wParam, lParam) : FALSE;
}

void InitSettingsDialog(CMoireScreensaver& saver, HWND dialog) {
  SetWindowTextW(dialog, saver.title);
  saver.SaveSettings();
  for (const wchar_t* position : PicturePositions) {
    SendDlgItemMessageW(dialog, IDC_PICTURE_POSITION, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(position));
  }
  SendDlgItemMessageW(dialog, IDC_PICTURE_POSITION, CB_SETCURSEL, static_cast<WPARAM>(ReadPicPos()),
                      0);
}

void HandleSettingsCommand(CMoireScreensaver& saver, HWND dialog, int id) {
  switch (id) {
    case IDOK:
      // No selection (CB_ERR) stores nothing.
      WritePicPos(
          static_cast<int>(SendDlgItemMessageW(dialog, IDC_PICTURE_POSITION, CB_GETCURSEL, 0, 0)));
      saver.SaveSettings();
      EndDialog(dialog, IDOK);
      break;
    case IDCANCEL:
      saver.LoadSettings();
      EndDialog(dialog, IDCANCEL);
      break;
    case IDC_DISPLAY_SETTINGS:
      ShowDisplaySettings(saver, dialog);
      break;
    case IDC_SOUND_SETTINGS:
      DialogBoxParamW(saver.instance, MAKEINTRESOURCEW(IDD_SOUND), dialog, SoundDialogStub, 0);
      break;
    case IDC_WEBSITE:
      OpenUrl(MakerWebPage);
      break;
  }
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return AnswerGuarded([&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      InitSettingsDialog(*reinterpret_cast<CMoireScreensaver*>(lParam), dialog);
      return TRUE;
    }
    auto* saver = reinterpret_cast<CMoireScreensaver*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message != WM_COMMAND || !saver) return FALSE;
    HandleSettingsCommand(*saver, dialog, LOWORD(wParam));
    return TRUE;
  });
}

}  // namespace

void CMoireScreensaver::ShowSettingsDialog() {
  // A window number that names no window leaves the dialog without an owner, not unshown.
  HWND owner = IsWindow(parentWindow) ? parentWindow : nullptr;
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), owner, SettingsDlgProc,
                  reinterpret_cast<LPARAM>(this));
}

void CMoireScreensaver::LoadSettings() {
  const RegistryKey key(settingsKeyPath);
  if (key) ReadScreenSettings(key.Get(), *this);
}

void CMoireScreensaver::SaveSettings() {
  const RegistryKey key(settingsKeyPath);
  if (key) WriteScreenSettings(*this, key.Get());
}

INT_PTR CMoireScreensaver::SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return AnswerGuarded([&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG: {
        SoundSettings sound;
        ReadSoundSettings(sound);
        // The top of the vertical bar is full volume.
        SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_SETTICFREQ, 10, 0);
        SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_SETPOS, TRUE, 100 - sound.volume);
        CheckDlgButton(dialog, IDC_MUTE, sound.mute ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
      }
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
          const LRESULT position = SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_GETPOS, 0, 0);
          WriteRegistryDword(SoundVolumeValue,
                             static_cast<DWORD>(100 - std::clamp<LRESULT>(position, 0, 100)));
          WriteRegistryDword(MuteSoundValue, IsChecked(dialog, IDC_MUTE) ? 1 : 0);
          EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
          EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    }
    return FALSE;
  });
}
