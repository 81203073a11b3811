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
HOSTILE_NAME = "</script><script>document.body.dataset.injected=1</script><!--".b

def kind_of(path)
  return "scene" if path.start_with?("scenes/") || File.basename(path).start_with?("scene-")
  lights = Dir[File.join(SAMPLES, "lights", "*.rec")].map { |file| File.basename(file)[/\A[^-]+/] }
  lights.include?(File.basename(path)[/\A[^-]+/]) ? "light" : "material"
end

# layered-1.rec with its name replaced by markup (the name is a byte count
# followed by the text).
def hostile_sample
  bytes = File.binread(File.join(SAMPLES, "materials", "layered-1.rec"))
  at = bytes.index("Oak Floor") - 4
  path = File.join(OUT, "hostile-1.rec")
  File.binwrite(path, bytes[0, at] + [HOSTILE_NAME.size].pack("V") + HOSTILE_NAME + bytes[at + 13..])
  path
end

# The drawn DOM and the browser's log, with a screenshot on the side.
def open_page(page, profile)
  name = File.basename(page, ".html")
  Open3.capture3(*BROWSER, "--user-data-dir=#{profile}", "--screenshot=#{OUT}/screenshots/#{name}.png",
                 "--dump-dom", "file://#{page}#all")
end

def check_fields(dom, cells)
  dom.css("#tree .field").map do |field|
    id, start, size = %w[data-s data-o data-n].map { |key| Integer(field[key]) }
    allowed = [id] + field.css(".field").map { |inner| Integer(inner["data-s"]) }
    wrong = (start...start + size).reject { |offset| allowed.include?(cells.dig(offset, 0)) }
    stray = cells.select { |offset, (span, _)| span == id && !(start...start + size).cover?(offset) }.keys
    next if wrong.empty? && stray.empty?
    "#{field.at_css('.line').css('span').map(&:text).join(' ')}: bytes #{wrong.first(4)} lack its mark, #{stray.first(4)} carry it outside"
  end.compact
end

def problems_of(dom, log)
  body = dom.at_css("body")
  problems = log.lines.grep(/:CONSOLE/).map { |line| "console: #{line.strip}" }
  problems << "not drawn" unless body["data-ready"] == "true"
  problems << "script errors: #{body['data-script-errors']}" if body["data-script-errors"]
  problems << "markup from the record ran" if body["data-injected"]
  problems << "no field drawn" if dom.css("#tree .field").empty?
  cells = dom.css("#hex .cells span").to_h { |cell| [Integer(cell["data-o"]), [cell["data-s"]&.to_i, cell["class"]]] }
  problems.concat(check_fields(dom, cells))
  dom.css("#tree .record[data-failure-offset]").each do |record|
    offset = Integer(record["data-failure-offset"])
    problems << "failure @#{offset} not marked" unless cells.dig(offset, 1).to_s.split.include?("fail")
  end
  problems
end

FileUtils.rm_rf(OUT)
FileUtils.mkdir_p(["#{OUT}/pages", "#{OUT}/screenshots"])
inputs = Dir.chdir(SAMPLES) { Dir["{lights,materials,scenes,text,broken}/*"].sort }
         .map { |path| [kind_of(path), File.join(SAMPLES, path)] } << ["material", hostile_sample]

queue = Queue.new
inputs.each { |input| queue << input }
failures = Queue.new
workers = Array.new(2) do |worker|  # two browsers at a time
  profile = "#{OUT}/profile-#{worker}"
  Thread.new do
    while (input = queue.pop(true) rescue nil)
      kind, path = input
      page = "#{OUT}/pages/#{File.basename(File.dirname(path))}-#{File.basename(path, ".*")}.html"
      args = ["explain", "--html", kind, *(kind == "scene" ? [] : ["auto"]), path, "-o", page]
      _, err, status = Open3.capture3(TOOL, *args)
      unless File.exist?(page)  # the samples the tool cannot read at all (empty, malformed text)
        failures << "#{path}: no page and no reason" unless path.include?("/broken/") && status.exitstatus == 1 && !err.empty?
        next
      end
      dom, log, = open_page(page, profile)
      problems_of(Nokogiri::HTML(dom), log).each { |problem| failures << "#{File.basename(page)}: #{problem}" }
    end
  end
end
workers.each(&:join)

puts "#{inputs.size} inputs, pages and screenshots in #{OUT}"
problems = Array.new(failures.size) { failures.pop }
puts problems.sort
exit(problems.empty? ? 0 : 1)
