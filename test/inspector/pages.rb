# Opens the inspector page of every bundled sample, and of a material named
# with markup, in headless Chromium and checks the DOM it drew: no script
# error, every field's bytes carry that field's mark (or the marks of the
# records nested in it), every failure offset is marked. A screenshot of
# each page is left in OUT/screenshots for a person to look at.
#   ruby pages.rb TOOL OUT
require "fileutils"
require "nokogiri"
require "open3"

TOOL, OUT = ARGV
SAMPLES = File.expand_path("../../samples", __dir__)
BROWSER = %w[chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run
             --disable-background-networking --disable-component-update --disable-sync
             --enable-logging=stderr --v=0 --window-size=1400,900].freeze
LIGHTS = Dir[File.join(SAMPLES, "lights", "*.rec")].map { |file| File.basename(file)[/\A[^-]+/] }

def explain_args(path)
  return ["scene"] if path.include?("scenes/") || File.basename(path).start_with?("scene-")
  [LIGHTS.include?(File.basename(path)[/\A[^-]+/]) ? "light" : "material", "auto"]
end

# layered-1.rec with its name (a byte count, then the text) replaced by markup.
def hostile_sample
  bytes = File.binread(File.join(SAMPLES, "materials", "layered-1.rec"))
  name = "</script><script>document.body.dataset.injected=1</script><!--"
  at = bytes.index("Oak Floor") - 4
  File.binwrite("#{OUT}/hostile-1.rec", bytes[0, at] + [name.size].pack("V") + name + bytes[at + 13..])
  "#{OUT}/hostile-1.rec"
end

def field_problems(dom, cells)
  dom.css("#tree .field").filter_map do |field|
    id, start, size = %w[data-s data-o data-n].map { |key| Integer(field[key]) }
    allowed = [id] + field.css(".field").map { |inner| Integer(inner["data-s"]) }
    wrong = (start...start + size).reject { |offset| allowed.include?(cells.dig(offset, 0)) }
    stray = cells.select { |offset, (span, _)| span == id && !(start...start + size).cover?(offset) }.keys
    "#{field.at_css('.name').text} @#{start}: bytes #{wrong.first(4)} unmarked, #{stray.first(4)} outside" if (wrong + stray).any?
  end
end

def problems(dom, log)
  body = dom.at_css("body")
  cells = dom.css("#hex .cells span").to_h { |cell| [Integer(cell["data-o"]), [cell["data-s"]&.to_i, cell["class"].split]] }
  found = log.lines.grep(/:CONSOLE/)
  found << "script errors: #{body['data-script-errors']}" if body["data-script-errors"]
  found << "markup from the record ran" if body["data-injected"]
  found << "not drawn" unless body["data-ready"] == "true" && dom.at_css("#tree .field")
  dom.css("#tree .record[data-failure-offset]").each do |record|
    offset = Integer(record["data-failure-offset"])
    found << "failure @#{offset} unmarked" unless cells.dig(offset, 1)&.include?("fail")
  end
  found + field_problems(dom, cells)
end

FileUtils.rm_rf(OUT)
FileUtils.mkdir_p(["#{OUT}/pages", "#{OUT}/screenshots"])
queue = Queue.new
(Dir["#{SAMPLES}/{lights,materials,scenes,text,broken}/*"].sort << hostile_sample).each { |path| queue << path }
found = Queue.new
Array.new(2) do |worker|  # two browsers at a time
  Thread.new do
    while (path = queue.pop(true) rescue nil)
      name = "#{File.basename(File.dirname(path))}-#{File.basename(path, '.*')}"
      page = "#{OUT}/pages/#{name}.html"
      _, err, status = Open3.capture3(TOOL, "explain", "--html", *explain_args(path), path, "-o", page)
      unless File.exist?(page)  # only samples the tool cannot read at all (empty, malformed text)
        found << "#{name}: no page (#{err.strip})" unless name.start_with?("broken-") && status.exitstatus == 1
        next
      end
      dom, log, = Open3.capture3(*BROWSER, "--user-data-dir=#{OUT}/profile-#{worker}",
                                 "--screenshot=#{OUT}/screenshots/#{name}.png", "--dump-dom", "file://#{page}#all",
                                 binmode: true)
      problems(Nokogiri::HTML(dom, nil, "UTF-8"), log).each { |problem| found << "#{name}: #{problem.strip}" }
    end
  end
end.each(&:join)

report = Array.new(found.size) { found.pop }.sort
puts report, "#{Dir["#{OUT}/pages/*"].size} pages drawn, screenshots in #{OUT}/screenshots"
exit(report.empty? ? 0 : 1)
