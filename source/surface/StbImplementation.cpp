// The one translation unit that holds stb_image and stb_image_write.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_NO_STDIO_WARNINGS
#include <stb_image.h>
#include <stb_image_write.h>
