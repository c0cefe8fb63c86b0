#pragma once
// The link log's entries as text, one line each, with the frames decoded:
// time, direction, sequence, kind, the request or reply type, raw bytes.

#include "link/LinkTrace.h"

#include <atomic>
#include <cstdio>
#include <string>

std::string FormatTraceEntry(const TraceEntry& entry);
// Records a reply body as received, with its start and end markers around it.
void TraceReceived(const std::string& port, const uint8_t* body, size_t length);
// The sequence number of a Sent frame or of a Received one that passes the
// reply check; -1 for anything else.
int TracedSequence(const TraceEntry& entry);
// Writes every entry to out as it comes (quillon-cli --trace and -v). The
// first write that fails stores its errno in *failed (when given), is told
// once on standard error, and ends the writing.
void TraceTo(std::FILE* out, std::atomic<int>* failed = nullptr);
