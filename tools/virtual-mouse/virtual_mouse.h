// Control and inspection of the virtual mouse.
//
// The virtual mouse implements the hidapi functions (hidapi.h) for one or more
// simulated mice of the 553 or 560 command family. Tests link the static
// target `virtual_mouse_static` in place of hidapi and use the functions below
// to set the mice up and look at what they received; tools that load
// libvirtual-mouse.so can reach the same functions by name.
//
// Devices are numbered 0, 1, ... in configuration order. Each device shows two
// interfaces, "virtual:N:cmd" (command pair) and "virtual:N:event" (event
// pair); when both usage pairs are equal there is one interface,
// "virtual:N:cmd", that serves both.
//
// Besides the calls the program makes, hid_get_manufacturer_string,
// hid_get_product_string, hid_get_serial_number_string, hid_get_device_info
// and hid_version(_str) answer; hid_get_input_report and
// hid_get_indexed_string fail with -1, as a mouse that does not serve them.
//
// Reads:
// - A blocking read (hid_read in blocking mode, hid_read_timeout with -1) with
//   nothing queued waits the configurable read wait (real time, default
//   1000 ms, see vm_set_read_wait_ms) and then fails with -1; hid_error says
//   "no input report within the read wait".
// - hid_read_timeout with a positive time-out waits at most that long (real
//   time) for a report and returns 0 on time-out; with 0 it polls.
// - Command interface: after 8CH the mouse queues the 128 image bytes as
//   input reports of the report length (no report-ID byte). Event interface:
//   DPI events 06 07 00 s (report ID 6 included).
//
// Trace (memory always; also the file named by VIRTUAL_MOUSE_TRACE):
//   "<ms> <op> <path> <hex>\n" per hidapi call that reaches a device.
//   <op> names the call: open / open-failed (hid_open, hid_open_path), close,
//   feature-send, feature-get, write, read (hid_read), read-timeout
//   (hid_read_timeout). <hex> is lowercase without separators: the bytes
//   passed (sends, writes, report ID included) or returned (feature-get with
//   its report ID, reads), "-" when none (open, close, a read that returned
//   0 or failed). A feature-send whose block failed its checksum ends with
//   " bad-checksum". <ms> comes from the installed clock, else from a
//   monotonic clock counting from the library's start. Every open attempt is
//   traced, and every call on a handle, also after its mouse was pulled (the
//   call then fails). unplugAfter counts the traced calls that reached the
//   plugged-in mouse: that many succeed, then the mouse is gone.
//
// Configuration INI, one section per device (section name free, order counts):
//   vid, pid, usagePage, usage, usagePage2, usage2   hexadecimal ("04d9")
//   reportLength  decimal, 1..1024              isEncode, isGun, present  bool
//   absent  bool, the opposite of present
//   sCode  six characters                       family  553 or 560
//   faults: openFails, noReply, wrongEcho, featureError, writeError (bool),
//           unplugAfter (calls, 0 = never), eventNeedsOption (bool, default
//           false: DPI events only while the event-notice option bit is set,
//           553 byte 4 bit 0x40, 560 byte 1 bit 0x08), keepsOldByte (bool:
//           a 560 profile image written with 0CH keeps the old value of the
//           first byte that the write changes, and says nothing)
// Keys are matched without regard to case; unknown keys and bad values are
// errors ("line N: ..."). Unset keys take the built-in default device's
// values (one enciphered 560-family gun mouse, code "519370", 04d9:a1ee, ff00/ff00 and ff01/ff01,
// report length 32). Without VIRTUAL_MOUSE_CONFIG that device is the
// configuration; a broken file gives no devices and a message on stderr.
//
// State JSON: {"devices":[...]}, each device with "index", "family" (553 or
// 560), "present", "vid", "pid" (hex text), "isEncode", "isGun",
// "pendingEvents" (DPI events not yet read) and its family's state:
//   553: reportRate, currentDpi, dpiCount, dpiCodes[8], keyMatrices[4][64],
//        currentKeyMatrix, ledEffect[3], fixColor[3], stageColorType,
//        stageColors[24], macros[12][128], gunData[3][3], keyboardOption[4]
//   560: profiles[5][128], keyMatrices[4][128], currentProfile,
//        reportRate[n], currentDpi[n] (n = 4 profiles with isGun, else 1),
//        macros[12][128], keyboardOption[2]
// Byte arrays are arrays of integers.
//
// Replies (feature-get): the block of the last command, enciphered when
// isEncode: its code in block byte 0, the values in bytes 1 to 4, checksum in
// byte 7. A command the mouse does not know or refuses (argument out of
// range) changes nothing and answers its code only; a block that failed its
// checksum answers zeros. A command that announces a payload runs once that
// many bytes arrived in output reports; any feature report before that drops
// it.
//
// All functions are thread-safe. Returned strings stay valid until the same
// function is called again on the same thread.
#ifndef VIRTUAL_MOUSE_H
#define VIRTUAL_MOUSE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum vm_fault {
    VM_FAULT_OPEN_FAILS = 0,         // hid_open_path fails, the device stays enumerated
    VM_FAULT_NO_REPLY = 1,           // queries are not answered: hid_get_feature_report fails
    VM_FAULT_WRONG_ECHO = 2,         // 00H answers with the complement of the bytes sent
    VM_FAULT_FEATURE_ERROR = 3,      // hid_send_feature_report and hid_get_feature_report fail
    VM_FAULT_WRITE_ERROR = 4,        // hid_write fails
    VM_FAULT_UNPLUG_AFTER = 5,       // value N > 0: unplugged after N more calls reach it; 0 = off
    VM_FAULT_EVENT_NEEDS_OPTION = 6, // DPI events only with the event-notice option bit set
    VM_FAULT_KEEPS_OLD_BYTE = 7 // 560: a written profile image silently keeps the old value of its first changed byte
} vm_fault;

// Replaces the devices by the INI text; returns the device count, or -1 (old devices kept, see vm_last_error).
int vm_configure_text(const char *ini);
// As vm_configure_text, reading the INI file at path.
int vm_configure_file(const char *path);
// Text of the last configuration error, "" when none.
const char *vm_last_error(void);
// Number of configured devices.
int vm_device_count(void);
// Puts every device back to its configured state and faults; open handles stop working; the trace is kept.
void vm_reset(void);
// Presses the DPI button of a device: next stage in use (wrapping), event 06 07 00 s queued.
void vm_press_dpi(int device);
// Unplugs (0) or plugs (1) a device; unplugging ends its open handles and drops its queued reports.
void vm_set_present(int device, int present);
// Sets a fault of a device (value 0 clears it); returns 0, or -1 for an unknown device or fault.
int vm_set_fault(int device, vm_fault fault, int value);
// State of every device as JSON: {"devices":[{"family":560,"present":true,...}]}.
const char *vm_state_json(void);
// Trace lines recorded since the last vm_trace_clear.
const char *vm_trace(void);
// Forgets the recorded trace lines (the trace file is not touched).
void vm_trace_clear(void);
// Installs the millisecond clock for trace timestamps (it must not call back in); NULL restores the real clock.
void vm_set_clock(uint64_t (*clock)(void));
// Sets how long a blocking read with nothing queued waits before it fails (ms, >= 0).
void vm_set_read_wait_ms(int ms);
// Serves the control socket at path (NULL: the default path); returns 0, or -1 with vm_last_error.
int vm_control_start(const char *path);
// Stops serving the control socket and removes it.
void vm_control_stop(void);

#ifdef __cplusplus
}
#endif

#endif
