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

typedef int(READER_CALL *HidWriteDataFn)(int, int, unsigned char *);
typedef int(READER_CALL *HidReadDataFn)(int, int, unsigned char *);

#ifdef __cplusplus
}
#endif

#endif
