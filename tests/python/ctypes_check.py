"""Calls the native library from Python the way R or Python users do:
ctypes with the C calling convention and c_float / c_int arguments."""
import ctypes
import sys

library = ctypes.CDLL(sys.argv[1])
sample_size = library.SampleSize_SimpleRandom
sample_size.restype = ctypes.c_uint32
sample_size.argtypes = [ctypes.c_float, ctypes.c_float, ctypes.c_int, ctypes.c_int,
                        ctypes.POINTER(ctypes.c_int)]

out = (ctypes.c_int * 17)()
code = sample_size(0.5, 0.1, 95, 1000, out)
expected = [278, 45, 80, 108, 132, 169, 196, 218, 255, 278, 306, 323, 347, 357, 366, 370, 385]
failures = []
if code != 0:
    failures.append("result code %#x" % code)
if list(out) != expected:
    failures.append("sizes %s" % list(out))
refused = sample_size(0.0, 0.1, 95, 1000, out)
if refused != 0x60000001:
    failures.append("p = 0 gave %#x" % refused)
if failures:
    print("ctypes check failed: " + "; ".join(failures))
    sys.exit(1)
print("ctypes check passed")
