#pragma once

// The media library: packed DIBs and palettes, blits, masks, panels, image files and the
// built-in resources.

#include "medialib/blit.h"
#include "medialib/bmp_holder.h"
#include "medialib/builtin_resources.h"
#include "medialib/dib.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"
#include "medialib/image_file.h"
#include "medialib/image_file_hooks.h"
#include "medialib/last_error.h"
#include "medialib/mask_bmp.h"
#include "medialib/number_util.h"
#include "medialib/panel.h"
#include "medialib/pcx_reader.h"
#include "medialib/pcx_writer.h"
#include "medialib/path_util.h"
#include "medialib/screen_capture.h"
#include "medialib/split_at.h"
