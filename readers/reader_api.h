/* The interface every reader library offers the tool, and the tool expects.
 *
 * The tool loads a library at run time and looks both functions up by name.
 * `device` is always 0.  hidWriteData returns the number of bytes written.
 * hidReadData puts the response frame into buffer from byte 0, at most
 * maxLength bytes (the tool passes 245 and a 256-byte buffer, all zero).  The
 * tool takes the answer from the buffer: a frame starts with AA and its length
 * comes from byte 2 (the frame is that many bytes plus five); a buffer left
 * without AA at its start is no answer.  The result may be the number of bytes
 * delivered (0 for none) or a status such as 1 for a whole frame; a result
 * above 1 is taken as a count and the answer is cut to it.
 *
 * A library may export more functions of its own; their names begin with
 * "reader", and the tool calls one only when it is present.
 *
 * Two optional exports let the operator choose among several devices; a
 * library without them drives the one device it knows, as before:
 *
 * int readerListDevices(char *buffer, int capacity)
 *   The devices the library can open now, one line each ending in '\n', in
 *   UTF-8, seven fields separated by tabs:
 *     id      what readerSelectDevice takes to choose this device
 *     name    for people (maker and product)
 *     vendor  USB vendor ID, 4 hex digits; empty when there is none
 *     product USB product ID, likewise
 *     serial  serial number; empty when unknown
 *     path    the device node; empty when there is none
 *     inUse   "*" for the device commands go to, else empty
 *   Writes the list with a closing NUL when it fits into capacity bytes (an
 *   empty string otherwise) and returns the bytes it takes with the NUL; a
 *   caller offered too little asks again with that much. No device: "".
 *
 * int readerSelectDevice(const char *id)
 *   Later commands go to the device id names (an id from the list; the hid
 *   library also takes VID:PID[:SERIAL] and hidraw paths, as RFID_HID_DEVICE
 *   does; "" chooses none). Returns 1 when taken, 0 for an id the library
 *   cannot use, -1 when the device is fixed outside the tool (RFID_HID_DEVICE
 *   is set): that device stays in use.
 *
 * The tool asks for the list every second, and when the operator asks, on the
 * window's thread: listing must be quick and must not disturb an open device.
 */
#ifndef RFID_READER_API_H
#define RFID_READER_API_H

#if defined(_WIN32)
#define READER_CALL __stdcall
#define READER_EXPORT __declspec(dllexport)
#else
#define READER_CALL
#define READER_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

READER_EXPORT int READER_CALL hidWriteData(int device, int length, unsigned char *data);
READER_EXPORT int READER_CALL hidReadData(int device, int maxLength, unsigned char *buffer);
/* Optional (above). */
READER_EXPORT int READER_CALL readerListDevices(char *buffer, int capacity);
READER_EXPORT int READER_CALL readerSelectDevice(const char *id);

typedef int(READER_CALL *HidWriteDataFn)(int, int, unsigned char *);
typedef int(READER_CALL *HidReadDataFn)(int, int, unsigned char *);
typedef int(READER_CALL *ReaderListDevicesFn)(char *, int);
typedef int(READER_CALL *ReaderSelectDeviceFn)(const char *);

#ifdef __cplusplus
}
#endif

#endif
