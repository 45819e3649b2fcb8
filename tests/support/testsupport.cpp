// Shared helpers for the test executables live in headers beside this file.
