#!/usr/bin/env python3
# Asks a window to close as a desktop's close button does: the WM_DELETE_WINDOW message
# of the window's WM_PROTOCOLS, sent straight to it (no window manager needed).
#   close_window.py <window id>
import ctypes
import ctypes.util
import sys


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("close_window: no display")
    window = int(sys.argv[1], 0)
    ev = Event()
    ev.client.type = 33  # ClientMessage
    ev.client.window = window
    ev.client.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
    ev.client.format = 32
    ev.client.l[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    ev.client.l[1] = 0  # CurrentTime
    x.XSendEvent(display, window, 0, 0, ctypes.byref(ev))
    x.XFlush(display)
    x.XCloseDisplay(display)


main()
