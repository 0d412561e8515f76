#pragma once

#include <string>

#include <windows.h>

// What screen readers are told beyond what a control shows. The properties go through the
// system's accessibility service (oleacc.dll's, made through COM), bound by full path the first
// time one is set; where the system does not offer the service or a property (before Windows XP,
// say), that property is left as it was, and nothing fails.
namespace platform::Accessibility {

// Tells screen readers that the control's text has changed, so that they read it out when they
// are next silent, though the focus stays where it is; the first time, it marks the control as a
// polite live region.
void AnnounceChange(HWND control);

// The name screen readers say for the control, in place of its caption.
void SetName(HWND control, const std::wstring& name);

// Clears what was set on the window's controls. Called as the window goes, while its controls
// are still there: the service would otherwise keep their properties, and give them to a later
// control that gets the same handle.
void ClearWithin(HWND window);

// For tests: releases the service and its library, so that the next property makes it afresh.
void Unbind();

}  // namespace platform::Accessibility
