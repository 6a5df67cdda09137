#!/usr/bin/env python3
"""Saves the X display's screen (or one window of it) as a PNG file, with Xlib through ctypes.

Usage: screenshot.py FILE.png [WINDOW_ID]   (DISPLAY names the display)
"""
import ctypes
import ctypes.util
import struct
import sys
import zlib


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


def grab(window_id):
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("screenshot.py: no display")
    window = window_id if window_id else xlib.XDefaultRootWindow(display)
    attributes = XWindowAttributes()
    xlib.XGetWindowAttributes(display, window, ctypes.byref(attributes))
    width, height = attributes.width, attributes.height
    image = xlib.XGetImage(display, window, 0, 0, width, height, 0xFFFFFFFF, 2).contents  # ZPixmap
    if image.bits_per_pixel != 32:
        sys.exit("screenshot.py: %d bits per pixel" % image.bits_per_pixel)
    raw = ctypes.string_at(image.data, image.bytes_per_line * height)
    rows = bytearray()
    for y in range(height):
        line = raw[y * image.bytes_per_line:y * image.bytes_per_line + 4 * width]
        rows.append(0)
        pixels = bytearray(3 * width)
        pixels[0::3] = line[2::4]  # BGRX to RGB
        pixels[1::3] = line[1::4]
        pixels[2::3] = line[0::4]
        rows += pixels
    return width, height, bytes(rows)


def png(width, height, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    width, height, rows = grab(int(sys.argv[2], 0) if len(sys.argv) == 3 else 0)
    with open(sys.argv[1], "wb") as out:
        out.write(png(width, height, rows))
