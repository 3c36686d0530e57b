#pragma once
// Puts the feed-weigher components on their component palette page, so that
// the window-description reader can create them by class name.

void RegisterFeedComponents();
