// The maker's addresses, shared by the resources and the code that opens them.
#pragma once

#define QUILLOW_HOME_PAGE_URL "http://www.marrowdale.com/"
#define QUILLOW_FEEDBACK_ADDRESS "quillow@marrowdale.com"
#define QUILLOW_WEB_SITE_NAME "www.marrowdale.com"
