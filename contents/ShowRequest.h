// How another start of the contents window asks the running one to show itself, and learns
// whether it goes on running.
#pragma once

// Registered by name in both processes. The window answers nonzero when it shows itself and
// goes on running, and zero while it may be ending (from its Exit question on): the asker then
// waits for its process to end and takes its place.
#define QUILLOW_SHOW_CONTENTS_MESSAGE "Marrowdale.Quillow.ShowContents"
