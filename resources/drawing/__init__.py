"""Drawing and encoding helpers for the program's pictures and sounds."""
